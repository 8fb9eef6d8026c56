#include "multi_line_edit.h"

#include <algorithm>
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

// The longest start of the text that fits into room, never half a line
// break or half a character.
QString Fitting(const QString& text, qsizetype room)
{
    qsizetype used = 0;
    qsizetype end = 0;
    for (; end < text.size(); ++end) {
        used += IsLineBreak(text[end]) ? 2 : 1;
        if (used > room)
            break;
    }
    if (end > 0 && end < text.size() && text[end].isLowSurrogate())
        --end;
    return text.left(end);
}

// Line breaks arrive from outside as CR LF, CR or LF; the document takes
// each as one break.
QString WithLfBreaks(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
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
    // The edit inserts the text of every key but control characters (Tab
    // leaves the box): letters, format characters, surrogate pairs.
    qsizetype typed = 0;
    if (event->matches(QKeySequence::InsertParagraphSeparator) || event->matches(QKeySequence::InsertLineSeparator))
        typed = 2;
    else if (!event->text().isEmpty() && event->text().front().category() != QChar::Other_Control)
        typed = CountedLength(event->text());
    if (typed > Room() && !isReadOnly()) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void MultiLineEdit::insertFromMimeData(const QMimeData* source)
{
    if (!source->hasText()) {
        QPlainTextEdit::insertFromMimeData(source);
        return;
    }
    QMimeData fitting;
    fitting.setText(Fitting(WithLfBreaks(source->text()), Room()));
    QPlainTextEdit::insertFromMimeData(&fitting);
}

// A commit may replace text around the cursor besides the selection; that
// text makes room too.
void MultiLineEdit::inputMethodEvent(QInputMethodEvent* event)
{
    const QString commit = WithLfBreaks(event->commitString());
    qsizetype room = Room();
    if (event->replacementLength() > 0) {
        const QString raw = document()->toRawText();
        const qsizetype from = std::clamp<qsizetype>(textCursor().position() + event->replacementStart(), 0, raw.size());
        room += CountedLength(QStringView(raw).sliced(from, std::min<qsizetype>(event->replacementLength(), raw.size() - from)));
    }
    if (CountedLength(commit) <= room) {
        QPlainTextEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent fitting(event->preeditString(), event->attributes());
    fitting.setCommitString(Fitting(commit, room), event->replacementStart(), event->replacementLength());
    QPlainTextEdit::inputMethodEvent(&fitting);
}

}  // namespace skinwright::platform
