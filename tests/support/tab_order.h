#pragma once
// The keyboard order of a page, as the Tab key walks it.
#include <QStringList>
#include <QWidget>

namespace zolvik_test {

// The control that Tab moves the focus to from `from`: the next one in the focus chain that
// takes focus by Tab, is enabled and not hidden.
inline QWidget *NextTabStop(QWidget *from)
{
    for (QWidget *next = from->nextInFocusChain(); next != from; next = next->nextInFocusChain()) {
        if ((next->focusPolicy() & Qt::TabFocus) && next->isEnabled() && !next->isHidden())
            return next;
    }
    return from;
}

// The controls named in `names`, in the order the focus chain reaches them from `from`.
inline QStringList FocusChainOrder(QWidget *from, const QStringList &names)
{
    QStringList chain;
    QWidget *widget = from;
    for (int steps = 0; steps < 2000 && chain.size() < names.size(); ++steps) {
        if (names.contains(widget->objectName()))
            chain << widget->objectName();
        widget = widget->nextInFocusChain();
    }
    return chain;
}

}  // namespace zolvik_test
