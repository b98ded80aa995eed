#pragma once

#include <QString>

// What the player was left at: its volume and mute, kept to the next start. It is no setting: it lives in
// a small file of its own beside ZEBcfg.dat, whose records stay as the Windows program wrote them.
struct ListeningState {
    // Percent; -5.5 dB, as the Windows player's -550, until the user has changed it.
    int volume = 81;
    bool muted = false;
    bool operator==(const ListeningState&) const = default;
};

// .ZEBstato beside the settings file: hidden, so that no pattern of the browser lists it.
QString listeningStatePath(const QString& settingsPath);

// Lines "volume=N" and "muto=0|1"; a file missing, or a line missing or wrong, gives the start values.
ListeningState readListeningState(const QString& path);
bool writeListeningState(const QString& path, const ListeningState& state);
