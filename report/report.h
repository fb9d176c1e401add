#pragma once

#include <QList>
#include <QMarginsF>
#include <QPageLayout>
#include <QRectF>
#include <QString>

// A report layout: the page and four bands of components, measured in
// millimetres from the top left of their band (or of their region).

enum class ComponentKind { Region, Memo, Label, Line, DataField, PrintDate, PageNumber };

struct ReportFont {
    QString family = QStringLiteral("Arial");
    double pointSize = 8;
    bool bold = false;
};

struct ReportComponent {
    QString name;
    ComponentKind kind = ComponentKind::Label;
    QRectF rect;
    ReportFont font;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
    // Memos and data fields: word-wrapped, and as tall as their text needs.
    // Vertical lines: as tall as the region or band that holds them.
    bool grows = false;
    QString text;  // memo text, label caption
    QString field; // data field: the record field it shows
    bool dotted = false;

    // Regions: a hidden region takes no room; one placed below another
    // follows that region's bottom as it grows, shrinks or hides.
    bool visible = true;
    QString below;
    QList<ReportComponent> children;

    bool isVerticalLine() const { return kind == ComponentKind::Line && rect.width() == 0; }
};

struct ReportBand {
    double height = 0; // the least height; growing content makes it taller
    QList<ReportComponent> components;
};

struct ReportPageSetup {
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QMarginsF margins; // mm
    QSizeF size() const; // the A4 sheet in this orientation, mm
};

class Report {
public:
    // Replaces the whole layout by the file's; on failure the layout stays as
    // it was and error says why, naming the file.
    bool load(const QString &path, QString &error);

    // A component of the layout by name, searched in regions too; null when
    // the name is absent or names a component of another kind.
    ReportComponent *find(const QString &name, ComponentKind kind);

    ReportPageSetup page;
    ReportBand title;
    ReportBand pageHeader;
    ReportBand detail;
    ReportBand pageFooter;
};
