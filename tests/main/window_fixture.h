#pragma once
// Shared scaffolding of the window tests: a window on its own settings folder, and a way to
// answer the modal dialogs a handler opens.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <memory>

#include <gtest/gtest.h>

#include "main/main.h"

namespace zolvik_test {

// The pollers still waiting for a dialog; each test ends them so that none answers a dialog
// of a later test.
inline QList<QPointer<QTimer>> &PendingAnswers()
{
    static QList<QPointer<QTimer>> pending;
    return pending;
}

inline void CancelPendingAnswers()
{
    for (const QPointer<QTimer> &timer : PendingAnswers())
        delete timer.data();
    PendingAnswers().clear();
}

// Calls `answer` with the next modal widget to appear (polling the event loop), so that
// a handler that opens a dialog with exec() can be driven from the test.
inline void AnswerNextModal(std::function<void(QWidget *)> answer, int timeoutMs = 5000)
{
    auto elapsed = std::make_shared<int>(0);
    auto timer = new QTimer;
    PendingAnswers().append(timer);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, elapsed, answer, timeoutMs] {
        *elapsed += 10;
        if (QWidget *modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            answer(modal);
        } else if (*elapsed > timeoutMs) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start();
}

// Accepts the next message box and records its caption, text and icon.
struct CapturedBox {
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool seen = false;
};

inline std::shared_ptr<CapturedBox> CaptureNextMessageBox()
{
    auto captured = std::make_shared<CapturedBox>();
    AnswerNextModal([captured](QWidget *modal) {
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            captured->caption = box->windowTitle();
            captured->text = box->text();
            captured->icon = box->icon();
            captured->seen = true;
            box->accept();
        } else {
            modal->close();
        }
    });
    return captured;
}

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        SetSettingsFolderForTesting(folder.path());
    }
    void TearDown() override
    {
        zolvik_test::CancelPendingAnswers();
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

    template <typename T>
    T *Find(const char *name) const
    {
        T *control = window->findChild<T *>(name);
        EXPECT_NE(control, nullptr) << name;
        return control;
    }

    QTemporaryDir folder;
    std::unique_ptr<TfrmMain> window;
};

}  // namespace zolvik_test
