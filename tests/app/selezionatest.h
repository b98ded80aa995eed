#pragma once

#include "fakedialogs.h"
#include "listfile.h"
#include "program.h"
#include "quietplayer.h"
#include "seleziona.h"
#include "settingsfile.h"
#include "waituntil.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

inline QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The program started on a program folder of its own, with the boxes it shows answered by a script.
class SelezionaTest : public testing::Test {
public:
    Program& zeb() { return *m_program; }

protected:
    QString programFolder() const { return m_folder.path(); }
    QString settingsPath() const { return m_folder.filePath(QStringLiteral("ZEBcfg.dat")); }

    // A record naming a list file that exists, holding no tracks.
    SettingsRecord storedRecord() const {
        const QString listFile = m_folder.filePath(QStringLiteral("Rock.zbl"));
        EXPECT_TRUE(writeListFile(listFile, {}));
        SettingsRecord record;
        record.currentListFile = listFile;
        record.continuo = true;
        record.clicco = 1;
        record.viewer = {300, 450};
        record.main = {1500, 750};
        record.scala = true;
        record.formats = {{QStringLiteral("mp3"), true}, {QStringLiteral("avi"), false}};
        return record;
    }

    Seleziona& start() { return startWith(m_playerModule); }

    // The main window of the program started.
    Seleziona& startWith(PlayerModule& playerModule) {
        m_program = std::make_unique<Program>(dialogs, programFolder(), settingsPath(), playerModule,
                                              quietFastPlayer());
        m_program->load();
        settle();
        return m_program->seleziona();
    }

    void destroyWindow() { m_program.reset(); }

    // Folders and list files are read and written off the window's thread: lets that work end.
    void settle() {
        ASSERT_TRUE(waitUntil([this] { return !m_program->isWaitingOnFiles(); }));
    }

    template <typename Control = QWidget>
    Control* control(const QString& name) {
        auto* found = m_program->seleziona().findChild<Control*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }

    QString hint() { return control<QLabel>(QStringLiteral("aiuto"))->text(); }

    // The pointer moving over a control, at its centre unless told: the deepest widget under it gets
    // the event first.
    void movePointerOver(QWidget* target, std::optional<QPointF> at = std::nullopt) {
        if (auto* scrollArea = qobject_cast<QAbstractScrollArea*>(target)) target = scrollArea->viewport();
        const QPointF point = at.value_or(QRectF(target->rect()).center());
        QMouseEvent move(QEvent::MouseMove, point, target->mapToGlobal(point), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(target, &move);
    }

    FakeDialogs dialogs;

private:
    QTemporaryDir m_folder;
    PlayerModule m_playerModule{builtPlayerModule()};
    std::unique_ptr<Program> m_program;
};
