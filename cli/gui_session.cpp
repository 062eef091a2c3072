#include "cli/gui_session.h"

#include <cstdio>
#include <cstdlib>

namespace zolvik::cli {
namespace {

int gArgc = 1;
char gProgramName[] = "zolvik";
char *gArgv[] = {gProgramName, nullptr};

// Qt's own notes (a missing runtime folder, font fallbacks) are not the command's messages:
// standard error carries only the one line of a fault. Fatal messages still end the process.
void QuietQtMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtFatalMsg) {
        fprintf(stderr, "zolvik: %s\n", qPrintable(message));
        abort();
    }
}

}  // namespace

GuiSession::GuiSession()
{
    if (QCoreApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietQtMessages);
    FApplication = std::make_unique<QGuiApplication>(gArgc, gArgv);
}

GuiSession::~GuiSession() = default;

}  // namespace zolvik::cli
