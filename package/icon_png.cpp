// icon_png: writes one PNG of the program's icon for the icon theme.
//   icon_png PICTURE.xpm SIZE OUT.png   the hand-drawn picture as it stands;
//                                       it must already be SIZE pixels
//   icon_png PICTURE.svg SIZE OUT.png   the drawing rendered at SIZE pixels
#include <cstdio>

#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

namespace {

int Fail(const QString& message)
{
    std::fprintf(stderr, "icon_png: %s\n", message.toLocal8Bit().constData());
    return 1;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 4)
        return Fail(QStringLiteral("usage: icon_png PICTURE SIZE OUT.png"));
    const QString input = QString::fromLocal8Bit(argv[1]);
    const QString output = QString::fromLocal8Bit(argv[3]);
    bool isNumber = false;
    const int size = QString::fromLocal8Bit(argv[2]).toInt(&isNumber);
    if (!isNumber || size <= 0)
        return Fail(QStringLiteral("size must be a positive number: %1").arg(argv[2]));

    QImage image;
    if (input.endsWith(QStringLiteral(".svg"))) {
        QSvgRenderer renderer(input);
        if (!renderer.isValid())
            return Fail(QStringLiteral("cannot read %1").arg(input));
        image = QImage(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter);
    } else {
        if (!image.load(input))
            return Fail(QStringLiteral("cannot read %1").arg(input));
        if (image.size() != QSize(size, size))
            return Fail(QStringLiteral("%1 is %2x%3, not %4x%4")
                            .arg(input)
                            .arg(image.width())
                            .arg(image.height())
                            .arg(size));
    }
    if (!image.save(output, "PNG"))
        return Fail(QStringLiteral("cannot write %1").arg(output));
    return 0;
}
