#pragma once

#include <QString>
#include <QStringList>

// Starts another program as a process of its own: no shell reads the
// arguments, and the caller neither waits for the program nor keeps track of
// it, so it may outlive ours.
class ProgramLauncher {
public:
    virtual ~ProgramLauncher() = default;
    // Returns whether the program could be started.
    virtual bool start(const QString &program, const QStringList &arguments, const QString &workingFolder) = 0;
};

// The launcher of the running system: a detached process.
class DetachedProcessLauncher : public ProgramLauncher {
public:
    bool start(const QString &program, const QStringList &arguments, const QString &workingFolder) override;
};
