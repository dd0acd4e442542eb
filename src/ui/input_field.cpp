#include "ui/input_field.h"

#include <QFocusEvent>
#include <QKeyEvent>

namespace veskaro::ui {

InputField::InputField(const QString& name, QWidget* parent) : QLineEdit(parent) {
    setObjectName(name);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(this, &QLineEdit::textEdited, this, [this] {
        m_pending = true;
        emit edited();
    });
}

void InputField::showText(const QString& text) {
    if (text == this->text()) return; // the engineer's edit in progress stays pending
    setText(text);
    m_pending = false;
}

void InputField::setRangeWarning(const QString& tip) {
    // The field's own sheet wins over the window's frame rule for this field alone.
    setStyleSheet(QStringLiteral("QLineEdit { border: 1px solid #C62828; background: #FFF5F4; }"));
    setToolTip(m_hint.isEmpty() ? tip : tip + QLatin1Char('\n') + m_hint);
    m_rangeWarning = true;
}

void InputField::clearRangeWarning() {
    if (!m_rangeWarning) return;
    setStyleSheet(QString());
    setToolTip(m_hint);
    m_rangeWarning = false;
}

void InputField::setHint(const QString& hint) {
    m_hint = hint;
    if (!m_rangeWarning) setToolTip(hint);
}

bool InputField::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride && !m_pending) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo)) {
            event->ignore();
            return false;
        }
    }
    return QLineEdit::event(event);
}

void InputField::commit() {
    m_pending = false;
    emit committed();
}

void InputField::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        commit();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void InputField::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // A popup (context menu) taking the focus is no leaving of the field.
    if (m_pending && event->reason() != Qt::PopupFocusReason) commit();
}

} // namespace veskaro::ui
