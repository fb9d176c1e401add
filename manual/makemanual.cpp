// Turns the manual's Markdown into the PDF that the "UPUTE" link opens.
// Usage: makemanual <manual.md> <output.pdf>; pictures are found beside the
// Markdown file.

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextImageFormat>
#include <QTextTable>
#include <QUrl>

#include <cstdio>

static constexpr qreal marginMm = 20;
// The width of the text column in the pictures' own pixels (96 to the inch):
// A4 less both margins.
static constexpr qreal textWidth = (210 - 2 * marginMm) / 25.4 * 96;

static bool readText(const QString &path, QString &text)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    text = QString::fromUtf8(file.readAll());
    return true;
}

// Loads every picture into the document, and shrinks one wider than the
// page to the text column, keeping its proportions. Returns the pictures
// that could not be read.
static QStringList fitPicturesToPage(QTextDocument &document, const QString &pictureFolder)
{
    QStringList unreadable;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            QTextImageFormat format = fragment.fragment().charFormat().toImageFormat();
            if (!format.isValid())
                continue;
            const QImage picture(pictureFolder + QLatin1Char('/') + format.name());
            if (picture.isNull()) {
                unreadable << format.name();
                continue;
            }
            document.addResource(QTextDocument::ImageResource, QUrl(format.name()), picture);
            const QSize size = picture.size();
            const qreal width = qMin<qreal>(size.width(), textWidth);
            format.setWidth(width);
            format.setHeight(width * size.height() / size.width());
            QTextCursor cursor(&document);
            cursor.setPosition(fragment.fragment().position());
            cursor.setPosition(fragment.fragment().position() + fragment.fragment().length(), QTextCursor::KeepAnchor);
            cursor.setCharFormat(format);
        }
    }
    return unreadable;
}

// Each chapter (a first-level heading) after the title starts a new page.
static void startChaptersOnNewPages(QTextDocument &document)
{
    bool title = true;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() != 1)
            continue;
        if (!title) {
            QTextBlockFormat format = block.blockFormat();
            format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            QTextCursor(block).setBlockFormat(format);
        }
        title = false;
    }
}

// Tables across the text column, with thin grey rules and room in the cells.
static void styleTables(QTextDocument &document)
{
    for (QTextFrame *frame : document.rootFrame()->childFrames()) {
        auto *table = qobject_cast<QTextTable *>(frame);
        if (!table)
            continue;
        QTextTableFormat format = table->format();
        format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
        format.setBorderCollapse(true);
        format.setBorder(0.5);
        format.setBorderBrush(QColor(160, 160, 160));
        format.setCellPadding(4);
        format.setCellSpacing(0);
        table->setFormat(format);
    }
}

// Lays the document out on A4 pages of the writer and paints them, each
// with its number at the foot.
static void printPages(QTextDocument &document, QPdfWriter &pdf)
{
    QPainter painter(&pdf);
    document.documentLayout()->setPaintDevice(&pdf);
    const QRectF body = pdf.pageLayout().paintRectPixels(pdf.resolution());
    const qreal footer = pdf.resolution() * 0.4;
    const QSizeF page(body.width(), body.height() - footer);
    document.setPageSize(page);
    const int pages = document.pageCount();
    QFont numberFont = document.defaultFont();
    numberFont.setPointSizeF(8);
    for (int index = 0; index < pages; ++index) {
        if (index > 0)
            pdf.newPage();
        painter.save();
        painter.translate(0, -index * page.height());
        document.drawContents(&painter, QRectF(QPointF(0, index * page.height()), page));
        painter.restore();
        painter.setFont(numberFont);
        painter.drawText(QRectF(0, page.height(), page.width(), footer), Qt::AlignRight | Qt::AlignBottom,
                         QStringLiteral("%1 / %2").arg(index + 1).arg(pages));
    }
}

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: makemanual <manual.md> <output.pdf>\n");
        return 2;
    }
    const QString source = QString::fromLocal8Bit(argv[1]);
    const QString output = QString::fromLocal8Bit(argv[2]);

    QString markdown;
    if (!readText(source, markdown)) {
        std::fprintf(stderr, "makemanual: cannot read %s\n", argv[1]);
        return 1;
    }
    const QString pictureFolder = QFileInfo(source).absolutePath();
    QTextDocument document;
    document.setDefaultFont(QFont(QStringLiteral("Liberation Sans"), 10));
    document.setMarkdown(markdown);
    startChaptersOnNewPages(document);
    styleTables(document);
    const QStringList unreadable = fitPicturesToPage(document, pictureFolder);
    if (!unreadable.isEmpty()) {
        std::fprintf(stderr, "makemanual: pictures missing: %s\n", qPrintable(unreadable.join(QStringLiteral(", "))));
        return 1;
    }

    QPdfWriter pdf(output);
    pdf.setTitle(QStringLiteral("Nadzorne knjige - upute za korisnike"));
    pdf.setCreator(QStringLiteral("Nadzorne knjige"));
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                  QMarginsF(marginMm, marginMm, marginMm, marginMm), QPageLayout::Millimeter));
    pdf.setResolution(300);
    printPages(document, pdf);
    return QFileInfo(output).size() > 0 ? 0 : 1;
}
