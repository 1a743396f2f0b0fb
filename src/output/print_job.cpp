#include "output/print_job.h"

#include <QPainter>
#include <QPrinter>

#include "expr/encoding.h"
#include "expr/errors.h"
#include "expr/real_format.h"

namespace kurvo {

std::optional<int32_t> PrintPercentage(const std::string& text, std::string* message) {
    try {
        const int32_t percent = ParseInt(text);
        // As the field's up-down control offers: 0 (the centre point) to 1000.
        if (percent < 0 || percent > 1000) throw EConvertError("The percentage must be from 0 to 1000.");
        return percent;
    } catch (const EConvertError& e) {
        if (message) *message = e.what();
        return std::nullopt;
    }
}

PrintedPage PrintGraph(QPrinter& printer, int32_t percent, const PrintRequest& request) {
    PrintedPage page;
    const QRect paper = printer.pageLayout().fullRectPixels(printer.resolution());
    page.pageWidth = paper.width();
    page.pageHeight = paper.height();
    page.rect = PrintRectangle(page.pageWidth, page.pageHeight, percent, request.picture.width(),
                               request.picture.height());
    page.caption = PrintCaption(request.graphText);

    QPainter painter(&printer);
    // Device pixels from the paper's corner, whatever margins the printer has.
    const QRect printable = printer.pageLayout().paintRectPixels(printer.resolution());
    painter.translate(-printable.left(), -printable.top());
    const PrintRect& r = page.rect;
    if (r.right > r.left && r.bottom > r.top)
        painter.drawImage(QRect(r.left, r.top, r.right - r.left, r.bottom - r.top), request.picture);
    QFont font = painter.font();
    font.setPointSize(std::max(1, 2 * request.windowFontPoints));
    painter.setFont(font);
    const Colour bg = ResolveColour(request.background);
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(QColor(RedOf(bg), GreenOf(bg), BlueOf(bg)));
    painter.setPen(Qt::black);
    const QString caption = QString::fromStdString(Cp1252ToUtf8(page.caption));
    painter.drawText(QPoint(r.left, r.top + painter.fontMetrics().ascent()), caption);
    painter.end();
    return page;
}

}  // namespace kurvo
