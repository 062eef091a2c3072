// "MOD": the remainders of a range of integers, one line each, gathered in a text view
// until the user cleans it.
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <functional>

#include "main/controls.h"
#include "main/main.h"
#include "tools/modulo_table.h"
#include "widgets/line_list_view.h"

namespace {

// Runs an action on a double click in the watched widget and swallows the click.
class DoubleClickFilter : public QObject {
public:
    DoubleClickFilter(QObject *parent, std::function<void()> action)
        : QObject(parent), FAction(std::move(action))
    {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonDblClick) {
            FAction();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> FAction;
};

}  // namespace

void TfrmMain::CreateModPage(QWidget *page)
{
    using namespace controls;
    const Row<QLabel, TfrmMain> captions[] = {
        {&TfrmMain::LabelModInit, "LabelModInit", {16, 12}, "Start"},
        {&TfrmMain::LabelModFim, "LabelModFim", {112, 12}, "Fim"},
        {&TfrmMain::LabelMod, "LabelMod", {208, 12}, "MOD"},
    };
    const Row<QLineEdit, TfrmMain> fields[] = {
        {&TfrmMain::edtModInit, "edtModInit", {16, 28, 81, 21}, "0"},
        {&TfrmMain::edtModFim, "edtModFim", {112, 28, 81, 21}, "100"},
        {&TfrmMain::edtMod, "edtMod", {208, 28, 81, 21}, "1"},
    };
    MakeRows(this, page, captions);
    MakeRows(this, page, fields, Centred<QLineEdit>);
    btnMod = Make<QPushButton>(page, "btnMod", {304, 26, 89, 25}, "Calculate");

    memMOD = Make<LineListView>(page, "memMOD", {16, 64, 377, 601});
    memMOD->setReadOnly(true);
    memMOD->setUndoRedoEnabled(false);  // nothing to undo in a view; keeps long tables cheap
    memMOD->setLineWrapMode(QPlainTextEdit::NoWrap);
    memMOD->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont fixedPitch;
    fixedPitch.setFamilies({"Terminal", "DejaVu Sans Mono", "Monospace"});
    fixedPitch.setStyleHint(QFont::TypeWriter);
    fixedPitch.setFixedPitch(true);
    fixedPitch.setPixelSize(16);
    memMOD->setFont(fixedPitch);
    // A read-only view still takes the focus in the keyboard order.
    memMOD->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    memMOD->viewport()->installEventFilter(
        new DoubleClickFilter(memMOD, [this] { memMODDblClick(memMOD); }));

    Button3 = Make<QPushButton>(page, "Button3", {16, 673, 89, 25}, "Clean");

    OnClick(btnMod, this, &TfrmMain::btnModClick);
    OnClick(Button3, this, &TfrmMain::memMODDblClick);
    TabChain({edtModInit, edtModFim, edtMod, btnMod, memMOD, Button3});
}

void TfrmMain::btnModClick(QObject *)
{
    HandleErrors([&] {
        const std::int32_t first = zolvik::StrToIntDef(edtModInit->text().toStdString(), 0);
        const std::int32_t last = zolvik::StrToIntDef(edtModFim->text().toStdString(), 20);
        const std::int32_t modulus = zolvik::StrToIntDef(edtMod->text().toStdString(), 10);
        // The whole table is built first and goes into the view in one append, so a refused
        // range or a zero modulus appends nothing.
        const std::string table = zolvik::ModuloTable(first, last, modulus);
        if (!table.empty())
            static_cast<LineListView *>(memMOD)->AppendLines(QString::fromStdString(table));
    });
}

void TfrmMain::memMODDblClick(QObject *)
{
    HandleErrors([&] { memMOD->clear(); });
}
