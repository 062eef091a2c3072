// Loaded into an installed ZolvikTools through QT_QPA_GENERIC_PLUGINS=zolvikprobe, it drives the
// real program from inside as a user would: it notes the window's icon, converts the HEX file
// named by ZOLVIK_PROBE_HEX with the Convert button (so the window must find hex2bin on its own),
// then presses Exit. What it saw goes, one key=value a line, to the file ZOLVIK_PROBE_REPORT.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGenericPlugin>
#include <QIcon>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTimer>
#include <QWidget>

namespace {

QWidget *MainWindow()
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->objectName() == "frmMain" && widget->isVisible())
            return widget;
    return nullptr;
}

class Probe : public QObject {
public:
    Probe()
    {
        timer_.setInterval(20);
        connect(&timer_, &QTimer::timeout, this, [this] { Step(); });
        timer_.start();
    }

private:
    enum class Stage { WaitForWindow, AnswerDialog, WaitForImage, Done };

    void Step()
    {
        elapsed_ += timer_.interval();
        QWidget *window = MainWindow();
        switch (stage_) {
        case Stage::WaitForWindow:
            if (!window)
                break;
            Note("window", window->windowTitle());
            Note("window-icon", window->windowIcon().isNull() ? "none" : "set");
            Note("icon-sizes", IconSizes(QApplication::windowIcon()));
            Note("desktop-file", QGuiApplication::desktopFileName());
            stage_ = Stage::AnswerDialog;
            elapsed_ = 0;
            Click(window, "btnConverter");
            break;
        case Stage::AnswerDialog:
            if (auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())) {
                const QFileInfo hex(qEnvironmentVariable("ZOLVIK_PROBE_HEX"));
                dialog->setDirectory(hex.absolutePath());
                if (auto *name = dialog->findChild<QLineEdit *>("fileNameEdit"))
                    name->setText(hex.fileName());
                static_cast<QDialog *>(dialog)->accept();
                stage_ = Stage::WaitForImage;
                elapsed_ = 0;
            }
            break;
        case Stage::WaitForImage: {
            const QString image = qEnvironmentVariable("ZOLVIK_PROBE_HEX").replace(".hex", ".bin");
            const bool written = QFileInfo(image).size() > 0;
            if (written || elapsed_ > 10000) {
                Note("converted", written ? "yes" : "no");
                stage_ = Stage::Done;
                Flush();
                Click(window, "Button2");
            }
            break;
        }
        case Stage::Done: break;
        }
        if (stage_ != Stage::Done && elapsed_ > 20000) {
            Note("timeout", "yes");
            stage_ = Stage::Done;
            Flush();
            QApplication::quit();
        }
    }

    static QString IconSizes(const QIcon &icon)
    {
        QStringList sizes;
        for (const QSize &size : icon.availableSizes())
            sizes << QString::number(size.width()) + "x" + QString::number(size.height());
        return sizes.join(',');
    }

    // Queued, so the dialog the click opens runs its loop outside this timer's slot.
    static void Click(QWidget *window, const char *name)
    {
        if (auto *button = window ? window->findChild<QPushButton *>(name) : nullptr)
            QMetaObject::invokeMethod(button, &QPushButton::click, Qt::QueuedConnection);
    }

    void Note(const QString &key, const QString &value) { lines_ << key + "=" + value; }

    void Flush() const
    {
        QFile report(qEnvironmentVariable("ZOLVIK_PROBE_REPORT"));
        if (report.open(QIODevice::WriteOnly | QIODevice::Truncate))
            report.write((lines_.join('\n') + '\n').toUtf8());
    }

    QTimer timer_;
    Stage stage_ = Stage::WaitForWindow;
    int elapsed_ = 0;
    QStringList lines_;
};

}  // namespace

class ProbePlugin : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "probe.json")

public:
    QObject *create(const QString &, const QString &) override { return new Probe; }
};

#include "probe_plugin.moc"
