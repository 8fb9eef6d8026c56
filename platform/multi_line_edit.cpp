#include "multi_line_edit.h"

#include <limits>

#include <QKeyEvent>
#include <QMimeData>
#include <QTextDocument>

namespace skinwright::platform {
namespace {

// The document keeps a typed Return as a paragraph separator, Shift+Return
// as a line separator; pasted text arrives with LF.
bool IsLineBreak(QChar c)
{
    return c == QChar::ParagraphSeparator || c == QChar::LineSeparator || c == u'\n';
}

// The longest start of the text that fits into room, never half a line break.
QString Fitting(const QString& text, qsizetype room)
{
    qsizetype used = 0;
    qsizetype end = 0;
    for (; end < text.size(); ++end) {
        used += IsLineBreak(text[end]) ? 2 : 1;
        if (used > room)
            break;
    }
    return text.left(end);
}

}  // namespace

MultiLineEdit::MultiLineEdit(QWidget* parent)
    : QPlainTextEdit(parent)
{
}

void MultiLineEdit::SetTextLimit(int limit)
{
    limit_ = limit;
}

qsizetype MultiLineEdit::CountedLength(QStringView text)
{
    qsizetype length = text.size();
    for (const QChar c : text)
        length += IsLineBreak(c) ? 1 : 0;
    return length;
}

QString MultiLineEdit::WindowsText() const
{
    const QString raw = document()->toRawText();
    QString text;
    text.reserve(raw.size());
    for (const QChar c : raw) {
        if (IsLineBreak(c))
            text += QStringLiteral("\r\n");
        else
            text += c;
    }
    return text;
}

// The document takes CR LF, a lone CR and a lone LF each as one line break.
void MultiLineEdit::SetWindowsText(const QString& text)
{
    setPlainText(text);
}

qsizetype MultiLineEdit::Room() const
{
    if (limit_ <= 0)
        return std::numeric_limits<qsizetype>::max();
    const qsizetype kept = CountedLength(document()->toRawText()) - CountedLength(textCursor().selectedText());
    return limit_ - kept;
}

void MultiLineEdit::keyPressEvent(QKeyEvent* event)
{
    qsizetype typed = 0;
    if (event->matches(QKeySequence::InsertParagraphSeparator) || event->matches(QKeySequence::InsertLineSeparator))
        typed = 2;
    else if (!event->text().isEmpty() && event->text().front().isPrint())
        typed = event->text().size();
    if (typed > Room() && !isReadOnly()) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void MultiLineEdit::insertFromMimeData(const QMimeData* source)
{
    if (!source->hasText() || CountedLength(source->text()) <= Room()) {
        QPlainTextEdit::insertFromMimeData(source);
        return;
    }
    QString text = source->text();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    QMimeData fitting;
    fitting.setText(Fitting(text, Room()));
    QPlainTextEdit::insertFromMimeData(&fitting);
}

void MultiLineEdit::inputMethodEvent(QInputMethodEvent* event)
{
    const QString commit = event->commitString();
    if (CountedLength(commit) <= Room()) {
        QPlainTextEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent fitting(event->preeditString(), event->attributes());
    fitting.setCommitString(Fitting(commit, Room()), event->replacementStart(), event->replacementLength());
    QPlainTextEdit::inputMethodEvent(&fitting);
}

}  // namespace skinwright::platform
