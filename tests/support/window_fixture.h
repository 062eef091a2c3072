#pragma once
// Shared scaffolding of the window tests: a window on its own settings folder, its dialogs
// answered by scripted prompts.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <memory>

#include <gtest/gtest.h>

#include "main/main.h"
#include "tests/support/scripted_prompts.h"

namespace zolvik_test {

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        SetSettingsFolderForTesting(folder.path());
    }
    void TearDown() override
    {
        window.reset();
        SetSettingsFolderForTesting(QString());
    }

    QString SettingsPath() const { return QDir(folder.path()).filePath("zolviktools.ini"); }

    void WriteSettings(const QByteArray &content) const
    {
        QFile file(SettingsPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    QByteArray ReadSettings() const
    {
        QFile file(SettingsPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    TfrmMain &Open()
    {
        window = std::make_unique<TfrmMain>();
        return *window;
    }

    void Close() { window.reset(); }

    std::shared_ptr<CapturedBox> CaptureNextMessageBox() { return prompts.CaptureNextMessage(); }

    template <typename T>
    T *Find(const char *name) const
    {
        T *control = window->findChild<T *>(name);
        EXPECT_NE(control, nullptr) << name;
        return control;
    }

    QTemporaryDir folder;
    ScriptedPrompts prompts;
    std::unique_ptr<TfrmMain> window;
};

}  // namespace zolvik_test
