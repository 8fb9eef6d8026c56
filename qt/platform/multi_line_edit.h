// The multi-line edit control of a dialog template. Its text is handed in
// and out with CR LF line breaks, every other character as typed (a no-break
// space stays one), and it can be limited to a number of characters in
// which each line break counts as two, as in a Windows edit control.
#pragma once

#include <QPlainTextEdit>

namespace skinwright::platform {

class MultiLineEdit : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit MultiLineEdit(QWidget* parent = nullptr);

    // 0: no limit. Typing that would pass the limit is refused; pasted,
    // dropped and composed text is cut to fit.
    void SetTextLimit(int limit);

    QString WindowsText() const;
    void SetWindowsText(const QString& text);

    // The length as the limit counts it: line breaks count as two.
    static qsizetype CountedLength(QStringView text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    // How much more may be inserted in place of the selection.
    qsizetype Room() const;

    int limit_ = 0;
};

}  // namespace skinwright::platform
