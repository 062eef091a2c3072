#pragma once
// Whole files in and out for the window tests.
#include <QByteArray>
#include <QFile>

#include <gtest/gtest.h>

namespace zolvik_test {

inline void WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// The file's bytes; a file that cannot be read gives "<missing>".
inline QByteArray ReadFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

}  // namespace zolvik_test
