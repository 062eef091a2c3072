// "MOD": the remainders of a range of integers, one line each, gathered in a text view
// until the user cleans it.
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <functional>

#include "main/main.h"
#include "tools/modulo_table.h"

namespace {

// Runs an action on a double click in the watched widget and swallows the click.
class DoubleClickFilter : public QObject {
public:
    DoubleClickFilter(QObject *parent, std::function<void()> action)
        : QObject(parent), FAction(std::move(action))
    {
    }

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

QLabel *MakeLabel(const QString &caption, const char *name, int left, int top, QWidget *page)
{
    auto *label = new QLabel(caption, page);
    label->setObjectName(name);
    label->move(left, top);
    label->adjustSize();
    return label;
}

QLineEdit *MakeCentredEdit(const QString &text, const char *name, const QRect &place, QWidget *page)
{
    auto *edit = new QLineEdit(text, page);
    edit->setObjectName(name);
    edit->setGeometry(place);
    edit->setAlignment(Qt::AlignCenter);
    return edit;
}

}  // namespace

void TfrmMain::CreateModPage(QWidget *page)
{
    LabelModInit = MakeLabel("Start", "LabelModInit", 16, 12, page);
    edtModInit = MakeCentredEdit("0", "edtModInit", QRect(16, 28, 81, 21), page);
    LabelModFim = MakeLabel("Fim", "LabelModFim", 112, 12, page);
    edtModFim = MakeCentredEdit("100", "edtModFim", QRect(112, 28, 81, 21), page);
    LabelMod = MakeLabel("MOD", "LabelMod", 208, 12, page);
    edtMod = MakeCentredEdit("1", "edtMod", QRect(208, 28, 81, 21), page);

    btnMod = new QPushButton("Calculate", page);
    btnMod->setObjectName("btnMod");
    btnMod->setGeometry(304, 26, 89, 25);
    connect(btnMod, &QPushButton::clicked, this, [this] { btnModClick(btnMod); });

    memMOD = new QPlainTextEdit(page);
    memMOD->setObjectName("memMOD");
    memMOD->setGeometry(16, 64, 377, 601);
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

    Button3 = new QPushButton("Clean", page);
    Button3->setObjectName("Button3");
    Button3->setGeometry(16, 673, 89, 25);
    connect(Button3, &QPushButton::clicked, this, [this] { memMODDblClick(Button3); });

    setTabOrder(edtModInit, edtModFim);
    setTabOrder(edtModFim, edtMod);
    setTabOrder(edtMod, btnMod);
    setTabOrder(btnMod, memMOD);
    setTabOrder(memMOD, Button3);
}

void TfrmMain::btnModClick(QObject *)
{
    HandleErrors([&] {
        const std::int32_t first = zolvik::StrToIntDef(edtModInit->text().toStdString(), 0);
        const std::int32_t last = zolvik::StrToIntDef(edtModFim->text().toStdString(), 20);
        const std::int32_t modulus = zolvik::StrToIntDef(edtMod->text().toStdString(), 10);
        // The whole table is built first and goes into the view in one append, so a refused
        // range or a zero modulus appends nothing and a long table costs one layout pass.
        const std::string table = zolvik::ModuloTable(first, last, modulus);
        if (!table.empty())
            memMOD->appendPlainText(QString::fromStdString(table));
    });
}

void TfrmMain::memMODDblClick(QObject *)
{
    HandleErrors([&] { memMOD->clear(); });
}
