#pragma once

#include <memory>

#include <QCoreApplication>
#include <QTemporaryDir>

#include "questionnaire/Program.h"
#include "support/FakePlatform.h"
#include "support/ScriptedUi.h"

// One run of the program on a fresh program folder, with the fake platform
// and a message script. The program is built but not started.
struct TestRun {
    QTemporaryDir dir;
    FakePlatform* platform = nullptr;
    ScriptedUi* ui = nullptr;
    std::unique_ptr<Program> program;

    TestRun()
    {
        auto fake = std::make_unique<FakePlatform>();
        fake->programFolder = dir.path();
        fake->currentFolder = dir.path();
        platform = fake.get();
        auto script = std::make_unique<ScriptedUi>();
        ui = script.get();
        program = std::make_unique<Program>(std::move(fake), std::move(script));
    }
    ~TestRun()
    {
        program.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    ProgramState& state() { return program->state; }
    QString path(const QString& name) const { return dir.filePath(name); }
};
