#pragma once

#include "fakeplayerbackend.h"
#include "playermodule.h"

#include <QWidget>

// A player module at hand that makes fake players, and keeps the last one and what it tells.
class FakePlayerFactory final : public PlayerBackendFactory {
public:
    std::unique_ptr<PlayerBackend> create(PlayerBackend::Listener& made, QWidget* parent,
                                          const PlayerBackend::Options&, QString*) override {
        auto player = std::make_unique<FakePlayerBackend>(new QWidget(parent));
        backend = player.get();
        listener = &made;
        return player;
    }

    FakePlayerBackend* backend = nullptr;
    PlayerBackend::Listener* listener = nullptr;
};
