#pragma once

#include <QTemporaryDir>
#include <QtGlobal>

// Points XDG_DATA_HOME (the application-data folder on Linux) at a fresh
// temporary folder for as long as it lives: no test touches the real one.
class TempDataHome {
public:
    TempDataHome() { qputenv("XDG_DATA_HOME", m_dir.path().toLocal8Bit()); }
    ~TempDataHome() { qunsetenv("XDG_DATA_HOME"); }

    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};
