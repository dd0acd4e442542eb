#pragma once
// An input field of a window (number text or free text). Enter or Return commits it every time; leaving it
// commits it when the user changed its text since the last commit (engineers tab through forms). Text written
// by the program does not count as a change.

#include <QLineEdit>

namespace veskaro::ui {

class InputField final : public QLineEdit {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(InputField)

  public:
    explicit InputField(const QString& name, QWidget* parent = nullptr);

    // Sets the text from the program without edited(). A different text replaces any edit in progress (no
    // commit pending any more); the same text leaves the field, its caret and its pending edit alone.
    void showText(const QString& text);
    bool hasPendingEdit() const { return m_pending; }

    // A value outside the field's physical range: a red frame, and `tip` (stating the range) as tool tip.
    // The warning tip comes first, above the field's own hint.
    void setRangeWarning(const QString& tip);
    void clearRangeWarning();
    // The field's own tool tip: what it holds, its unit and its valid range.
    void setHint(const QString& hint);
    bool hasRangeWarning() const { return m_rangeWarning; }

  signals:
    void edited();    // every user change of the text (the Change handler)
    void committed(); // Enter, Return, or leaving the field after a change

  protected:
    // Ctrl+Z / Ctrl+Shift+Z undo the typing in progress; with no edit pending they go to the window's
    // undo of committed changes.
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void commit();
    bool m_pending = false;
    bool m_rangeWarning = false;
    QString m_hint;
};

} // namespace veskaro::ui
