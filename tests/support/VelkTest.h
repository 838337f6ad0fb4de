#pragma once

#include "support/ScriptedAlerts.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

// Gives each test a home of its own: user defaults in a fresh file, a temporary directory (TMPDIR)
// inside it, and scripted alerts and file panels.
class VelkTest : public ::testing::Test {
protected:
    // Flushes the defaults into the home before it goes: windows the fixture tears down may still write
    // them, and a flush after the folder is gone would create it again and leave it behind.
    ~VelkTest() override;
    void SetUp() override;
    void TearDown() override;

    QString homePath() const { return m_home.path(); }
    // A path inside the test's home; parent folders are created.
    QString pathInHome(const QString& relative) const;

    ScriptedAlerts alerts;
    ScriptedFilePanels panels;

private:
    QTemporaryDir m_home;
    QByteArray m_previousTmpDir;
};

// A TCP port on 127.0.0.1 that was free a moment ago, for servers the tests start.
quint16 freeLoopbackPort();
