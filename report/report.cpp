#include "report.h"

#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <optional>

namespace {

struct KindName {
    const char *name;
    ComponentKind kind;
};

constexpr KindName kKindNames[] = {
    {.name = "region", .kind = ComponentKind::Region},
    {.name = "memo", .kind = ComponentKind::Memo},
    {.name = "label", .kind = ComponentKind::Label},
    {.name = "line", .kind = ComponentKind::Line},
    {.name = "dataField", .kind = ComponentKind::DataField},
    {.name = "printDate", .kind = ComponentKind::PrintDate},
    {.name = "pageNumber", .kind = ComponentKind::PageNumber},
};

struct AlignmentName {
    const char *name;
    Qt::Alignment alignment;
};

constexpr AlignmentName kAlignmentNames[] = {
    {.name = "left", .alignment = Qt::AlignLeft},
    {.name = "center", .alignment = Qt::AlignHCenter},
    {.name = "right", .alignment = Qt::AlignRight},
};

// Reads one layout file; the first fault found stops it with a reason.
class LayoutReader {
public:
    std::optional<Report> read(const QJsonObject &root)
    {
        Report report;
        readPage(root.value(QLatin1String("page")).toObject(), report.page);
        report.title = readBand(root, "title");
        report.pageHeader = readBand(root, "pageHeader");
        report.detail = readBand(root, "detail");
        report.pageFooter = readBand(root, "pageFooter");
        if (!m_fault.isEmpty())
            return std::nullopt;
        return report;
    }

    QString fault() const { return m_fault; }

private:
    void fail(const QString &reason)
    {
        if (m_fault.isEmpty())
            m_fault = reason;
    }

    void readPage(const QJsonObject &page, ReportPageSetup &setup)
    {
        if (page.value(QLatin1String("size")).toString() != QLatin1String("A4"))
            fail(QStringLiteral("stranica mora biti A4"));
        const QString orientation = page.value(QLatin1String("orientation")).toString();
        if (orientation == QLatin1String("landscape"))
            setup.orientation = QPageLayout::Landscape;
        else if (orientation != QLatin1String("portrait"))
            fail(QStringLiteral("usmjerenje stranice nije \"portrait\" ni \"landscape\""));
        const QJsonArray margins = page.value(QLatin1String("margins")).toArray();
        if (margins.size() != 4)
            fail(QStringLiteral("margine stranice nisu četiri broja"));
        else
            setup.margins = QMarginsF(margins[0].toDouble(), margins[1].toDouble(), margins[2].toDouble(),
                                      margins[3].toDouble());
    }

    ReportBand readBand(const QJsonObject &root, const char *name)
    {
        ReportBand band;
        const QJsonValue value = root.value(QLatin1String(name));
        if (!value.isObject()) {
            fail(QStringLiteral("nema trake \"%1\"").arg(QLatin1String(name)));
            return band;
        }
        const QJsonObject object = value.toObject();
        band.height = object.value(QLatin1String("height")).toDouble();
        band.components = readComponents(object.value(QLatin1String("components")).toArray());
        checkPlacements(band.components);
        return band;
    }

    QList<ReportComponent> readComponents(const QJsonArray &array)
    {
        QList<ReportComponent> components;
        for (const QJsonValue &value : array)
            components << readComponent(value.toObject());
        return components;
    }

    ReportComponent readComponent(const QJsonObject &object)
    {
        ReportComponent component;
        component.name = object.value(QLatin1String("name")).toString();
        if (component.name.isEmpty())
            fail(QStringLiteral("sastavni dio bez imena"));
        else if (m_names.contains(component.name))
            fail(QStringLiteral("ime \"%1\" se ponavlja").arg(component.name));
        m_names.insert(component.name);
        component.kind = readKind(object.value(QLatin1String("kind")).toString(), component.name);
        component.rect = readRect(object.value(QLatin1String("rect")).toArray(), component.name);
        component.font = readFont(object.value(QLatin1String("font")).toObject());
        component.alignment = readAlignment(object);
        component.grows = object.value(QLatin1String("grows")).toBool();
        component.text = object.value(QLatin1String("text")).toString();
        component.field = object.value(QLatin1String("field")).toString();
        component.dotted = object.value(QLatin1String("style")).toString() == QLatin1String("dotted");
        component.visible = object.value(QLatin1String("visible")).toBool(true);
        component.below = object.value(QLatin1String("below")).toString();
        if (component.kind == ComponentKind::Line && component.rect.width() != 0 && component.rect.height() != 0)
            fail(QStringLiteral("crta \"%1\" nije ni vodoravna ni okomita").arg(component.name));
        if (component.kind == ComponentKind::Region)
            component.children = readComponents(object.value(QLatin1String("components")).toArray());
        return component;
    }

    ComponentKind readKind(const QString &text, const QString &name)
    {
        for (const KindName &entry : kKindNames)
            if (text == QLatin1String(entry.name))
                return entry.kind;
        fail(QStringLiteral("nepoznata vrsta \"%1\" sastavnog dijela \"%2\"").arg(text, name));
        return ComponentKind::Label;
    }

    QRectF readRect(const QJsonArray &rect, const QString &name)
    {
        if (rect.size() != 4) {
            fail(QStringLiteral("položaj \"%1\" nisu četiri broja").arg(name));
            return {};
        }
        return QRectF(rect[0].toDouble(), rect[1].toDouble(), rect[2].toDouble(), rect[3].toDouble());
    }

    static ReportFont readFont(const QJsonObject &object)
    {
        ReportFont font;
        font.family = object.value(QLatin1String("family")).toString(font.family);
        font.pointSize = object.value(QLatin1String("size")).toDouble(font.pointSize);
        font.bold = object.value(QLatin1String("bold")).toBool();
        return font;
    }

    Qt::Alignment readAlignment(const QJsonObject &object)
    {
        const QString text = object.value(QLatin1String("align")).toString(QStringLiteral("left"));
        for (const AlignmentName &entry : kAlignmentNames)
            if (text == QLatin1String(entry.name))
                return entry.alignment | Qt::AlignTop;
        fail(QStringLiteral("nepoznato poravnanje \"%1\"").arg(text));
        return Qt::AlignLeft | Qt::AlignTop;
    }

    // A region is placed below a region of its own band, and never below itself.
    void checkPlacements(const QList<ReportComponent> &components)
    {
        QSet<QString> regions;
        for (const ReportComponent &component : components)
            if (component.kind == ComponentKind::Region)
                regions.insert(component.name);
        for (const ReportComponent &component : components)
            if (!component.below.isEmpty() && (!regions.contains(component.below) || component.below == component.name))
                fail(QStringLiteral("\"%1\" je smješten ispod nepostojećeg područja \"%2\"")
                         .arg(component.name, component.below));
    }

    QString m_fault;
    QSet<QString> m_names;
};

ReportComponent *findIn(QList<ReportComponent> &components, const QString &name)
{
    for (ReportComponent &component : components) {
        if (component.name == name)
            return &component;
        if (ReportComponent *child = findIn(component.children, name))
            return child;
    }
    return nullptr;
}

} // namespace

QSizeF ReportPageSetup::size() const
{
    return orientation == QPageLayout::Landscape ? QSizeF(297, 210) : QSizeF(210, 297);
}

bool Report::load(const QString &path, QString &error)
{
    const QString shown = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    QFile file(path);
    if (!file.exists()) {
        error = QStringLiteral("File not found: ") + shown;
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("Predložak ispisa nije moguće otvoriti: ") + shown;
        return false;
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    QString fault;
    std::optional<Report> loaded;
    if (!document.isObject()) {
        fault = parseError.error == QJsonParseError::NoError ? QStringLiteral("nije JSON objekt")
                                                             : parseError.errorString();
    } else {
        LayoutReader reader;
        loaded = reader.read(document.object());
        fault = reader.fault();
    }
    if (!loaded) {
        error = QStringLiteral("Predložak ispisa nije ispravan (%1): %2").arg(fault, shown);
        return false;
    }
    *this = *loaded;
    return true;
}

ReportComponent *Report::find(const QString &name, ComponentKind kind)
{
    for (ReportBand *band : {&title, &pageHeader, &detail, &pageFooter})
        if (ReportComponent *component = findIn(band->components, name))
            return component->kind == kind ? component : nullptr;
    return nullptr;
}
