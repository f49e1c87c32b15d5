#pragma once
#include <QString>
#include <QTemporaryDir>

// A throw-away installation: <tmp>/V100 as the program directory with the built
// language files, Init images and version table copied in, so a test may write its
// configuration files freely. Resets the run settings and the document state.
class TestProgramDir {
public:
    explicit TestProgramDir(bool withInit = true);
    ~TestProgramDir();
    QString programDir() const;   // <tmp>/V100
    QString parentDir() const;    // <tmp>
    QString path(const QString &relative) const;   // inside the program directory
    bool isValid() const { return dir_.isValid(); }

private:
    QTemporaryDir dir_;
};
