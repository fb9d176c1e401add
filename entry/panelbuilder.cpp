#include "panelbuilder.h"

#include "combos.h"
#include "fieldnavigator.h"
#include "fieldpanels.h"
#include "fieldwidgets.h"
#include "looks.h"

#include <QDate>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// Colours of the fields, as red, green, blue.
const QString kTextFieldLook = QStringLiteral("background-color: rgb(209, 232, 250); border: none;");
const QString kDateFieldLook = QStringLiteral("background-color: rgb(207, 231, 250); border: none;");
const QString kSubFieldLook = QStringLiteral("background-color: rgb(244, 244, 247); border: 1px solid gray;");

const QStringList kDocumentLines{QStringLiteral("koja je osnovom za izvršenje plaćanja ili naplate"),
                                 QStringLiteral("(predugovor, ugovor, pismo namjere, predračun, račun, zaključnica...)")};
const QString kTransferLine = QStringLiteral("odnosno prijenosa sredstava");
const QString kInstrumentLine = QStringLiteral("(instrument platnog prometa, gotovina ili drugi oblik)");
const QString kEnteredLine = QStringLiteral("ako je posao već upisan u neku od nadzornih knjiga");

QString roleHint(const SubFieldDef &sub)
{
    if (sub.hint)
        return QString::fromUtf8(sub.hint);
    switch (sub.role) {
    case SubRole::DocumentMark:
        return (QStringList{QStringLiteral("Oznaka isprave")} + kDocumentLines).join(QLatin1Char('\n'));
    case SubRole::DocumentDate:
        return (QStringList{QStringLiteral("Datum isprave")} + kDocumentLines).join(QLatin1Char('\n'));
    case SubRole::PaymentDate:
        return QStringList{QStringLiteral("Datum izvršenog plaćanja ili naplate"), kTransferLine, kInstrumentLine}
            .join(QLatin1Char('\n'));
    case SubRole::PaymentAmount:
        return QStringList{QStringLiteral("Iznos izvršenog plaćanja ili naplate"), kTransferLine, kInstrumentLine}
            .join(QLatin1Char('\n'));
    case SubRole::PaymentMethod:
        return QStringList{QStringLiteral("Način izvršenog plaćanja ili"),
                           QStringLiteral("naplate odnosno prijenosa sredstava"), kInstrumentLine}
            .join(QLatin1Char('\n'));
    case SubRole::EntryNumber:
        return QStringList{QStringLiteral("Oznaka rednog broja unosa podataka"), kEnteredLine}.join(QLatin1Char('\n'));
    case SubRole::EntryYear:
        return QStringList{QStringLiteral("Oznaka godine unosa podataka"), kEnteredLine}.join(QLatin1Char('\n'));
    case SubRole::Plain:
        break;
    }
    return {};
}

// A style sheet would draw a spin box's buttons as flat slivers without
// arrows; the palette keeps the style's own buttons.
void setSpinBoxLook(QWidget *spinBox)
{
    QPalette grey = spinBox->palette();
    grey.setColor(QPalette::Base, QColor(244, 244, 247));
    spinBox->setPalette(grey);
}

class PanelBuilder {
public:
    PanelBuilder(const PanelDef &panel, FieldNavigator &navigator, const PanelHandlers &handlers)
        : m_panel(panel), m_navigator(navigator), m_handlers(handlers)
    {
    }

    QWidget *build()
    {
        auto *widget = new QWidget;
        widget->setObjectName(QString::fromLatin1(m_panel.panelName));
        widget->setAutoFillBackground(true);
        auto *grid = new QGridLayout(widget);
        grid->setContentsMargins(6, 6, 6, 6);
        grid->setHorizontalSpacing(12);
        grid->setVerticalSpacing(6);
        int row = 0;
        int half = 0;
        for (int c = 0; c < static_cast<int>(m_panel.columns.size()); ++c) {
            const ColumnDef &column = m_panel.columns[c];
            if (column.input == Input::Composite) {
                row += half;
                half = 0;
                grid->addWidget(compositeBox(column, c + 1), row++, 0, 1, 2);
                continue;
            }
            grid->addLayout(captioned(QString::fromUtf8(column.caption), plainField(column, c + 1)), row, half);
            row += half;
            half = 1 - half;
        }
        grid->setRowStretch(row + 1, 1);
        return widget;
    }

private:
    QLayout *captioned(const QString &caption, QLayout *field)
    {
        auto *box = new QVBoxLayout;
        box->setSpacing(1);
        auto *label = new QLabel(caption);
        label->setWordWrap(true);
        box->addWidget(label);
        box->addLayout(field);
        return box;
    }

    QLayout *plainField(const ColumnDef &column, int number)
    {
        auto *line = new QHBoxLayout;
        addControl(line, column.input, column.list, fieldName(m_panel, number), false);
        return line;
    }

    // A control with what stands beside it: its list on the left, its
    // currency button on the right.
    QWidget *addControl(QHBoxLayout *line, Input input, bool list, const QString &name, bool subField)
    {
        line->setSpacing(2);
        if (list)
            line->addWidget(listCombo(name));
        QWidget *field = makeField(input, name);
        if (input == Input::Year)
            setSpinBoxLook(field);
        else
            field->setStyleSheet(subField ? kSubFieldLook : input == Input::Date ? kDateFieldLook : kTextFieldLook);
        line->addWidget(field, 1);
        if (input == Input::Amount)
            line->addWidget(currencyButton(name));
        return field;
    }

    QWidget *makeField(Input input, const QString &name)
    {
        QWidget *field = nullptr;
        switch (input) {
        case Input::Text:
            field = new QLineEdit;
            break;
        case Input::Date:
            field = new DateField;
            break;
        case Input::Amount:
            field = new AmountEdit;
            static_cast<AmountEdit *>(field)->setCode(QString::fromLatin1(kInitialCurrencyCode));
            break;
        case Input::Number:
            field = new AmountEdit;
            break;
        case Input::Year: {
            auto *year = new QSpinBox;
            year->setRange(2000, 2100);
            year->setValue(QDate::currentDate().year());
            field = year;
            break;
        }
        case Input::Composite:
            Q_UNREACHABLE();
        }
        field->setObjectName(name);
        if (input == Input::Date)
            field->setCursor(Qt::PointingHandCursor);
        m_navigator.watch(field);
        return field;
    }

    QWidget *listCombo(const QString &fieldName)
    {
        auto *combo = new DropDownCombo;
        combo->setObjectName(QStringLiteral("cb_") + fieldName);
        combo->setFixedWidth(21);
        combo->setCursor(Qt::PointingHandCursor);
        combo->setFocusPolicy(Qt::ClickFocus);
        return combo;
    }

    QToolButton *currencyButton(const QString &amountName)
    {
        auto *button = new QToolButton;
        button->setObjectName(QStringLiteral("b_") + amountName);
        button->setFixedSize(14, 14);
        // A click takes the focus, so that an amount being typed is taken
        // before its code changes.
        button->setFocusPolicy(Qt::ClickFocus);
        button->setCursor(Qt::PointingHandCursor);
        button->setToolTip(QStringLiteral("Promijeni valutnu oznaku u odabranu valutu"));
        button->setStyleSheet(QStringLiteral("QToolButton { background-color: rgb(160, 160, 160); border-radius: 7px;"
                                             " border: 1px solid gray; }"));
        QObject::connect(button, &QToolButton::clicked, button, [h = m_handlers.stampCurrency, button] { h(button); });
        return button;
    }

    QToolButton *insertButton(const QString &compositeName, int subFields)
    {
        auto *button = new QToolButton;
        button->setObjectName(QStringLiteral("b_") + compositeName);
        button->setProperty("tag", subFields);
        button->setArrowType(Qt::DownArrow);
        // A Tab stop after the last sub-field, so that a line can be added
        // from the keyboard; a click takes the focus, so that what is being
        // typed into a sub-field is taken before the line is built.
        button->setFocusPolicy(Qt::StrongFocus);
        setFocusMark(button);
        m_navigator.watch(button);
        button->setCursor(Qt::PointingHandCursor);
        button->setToolTip(QString::fromUtf8(kInsertButtonHint));
        QObject::connect(button, &QToolButton::clicked, button, [h = m_handlers.insertLine, button] { h(button); });
        return button;
    }

    QWidget *compositeBox(const ColumnDef &column, int number)
    {
        const QString name = fieldName(m_panel, number);
        auto *frame = new QFrame;
        frame->setFrameShape(QFrame::StyledPanel);
        auto *box = new QVBoxLayout(frame);
        box->setContentsMargins(4, 4, 4, 4);
        box->setSpacing(2);

        auto *subLine = new QHBoxLayout;
        const int secondFrom = column.secondCaption ? column.secondCaptionFrom : 0;
        QHBoxLayout *group = captionGroup(subLine, QString::fromUtf8(column.caption));
        for (int s = 0; s < static_cast<int>(column.subFields.size()); ++s) {
            if (s + 1 == secondFrom)
                group = captionGroup(subLine, QString::fromUtf8(column.secondCaption));
            const SubFieldDef &sub = column.subFields[s];
            const QString subName = subFieldName(m_panel, number, s + 1);
            if (sub.label)
                group->addWidget(new QLabel(QString::fromUtf8(sub.label)));
            addControl(group, sub.input, sub.list, subName, true)->setToolTip(roleHint(sub));
        }
        subLine->addWidget(insertButton(name, static_cast<int>(column.subFields.size())), 0, Qt::AlignBottom);
        box->addLayout(subLine);

        auto *memo = new QPlainTextEdit;
        memo->setObjectName(name);
        memo->setFocusPolicy(Qt::ClickFocus);
        memo->setFixedHeight(56);
        memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        memo->setLineWrapMode(QPlainTextEdit::NoWrap);
        memo->setStyleSheet(QStringLiteral("QPlainTextEdit { ") + kTextFieldLook + QStringLiteral(" }"));
        box->addWidget(memo);
        return frame;
    }

    QHBoxLayout *captionGroup(QHBoxLayout *subLine, const QString &caption)
    {
        auto *column = new QVBoxLayout;
        column->setSpacing(1);
        auto *label = new QLabel(caption);
        label->setWordWrap(true);
        column->addWidget(label);
        auto *fields = new QHBoxLayout;
        fields->setSpacing(4);
        column->addLayout(fields);
        subLine->addLayout(column, 1);
        return fields;
    }

    const PanelDef &m_panel;
    FieldNavigator &m_navigator;
    const PanelHandlers &m_handlers;
};

// The insert button that follows a sub-field in the tab order: its
// composite's button, when the sub-field is the composite's last.
QWidget *insertButtonAfter(const QWidget &panel, const QString &subFieldName)
{
    const qsizetype mark = subFieldName.lastIndexOf(QLatin1Char('_'));
    auto *button = panel.findChild<QToolButton *>(QStringLiteral("b_") + subFieldName.left(mark));
    const bool last = button && button->property("tag").toString() == subFieldName.mid(mark + 1);
    return last ? button : nullptr;
}

// The keyboard reaches the fields in the order the table gives, each insert
// button after its composite's last sub-field.
void setTabOrder(QWidget *widget, const PanelDef &panel)
{
    QWidget *previous = nullptr;
    const auto follow = [&previous](QWidget *next) {
        if (previous)
            QWidget::setTabOrder(previous, next);
        previous = next;
    };
    for (const char *stop : panel.tabOrder) {
        const QString name = QLatin1String(panel.prefix) + QString::fromLatin1(stop);
        follow(widget->findChild<QWidget *>(name));
        if (QWidget *button = insertButtonAfter(*widget, name))
            follow(button);
    }
}

} // namespace

QWidget *buildFieldPanel(const PanelDef &panel, FieldNavigator &navigator, const PanelHandlers &handlers)
{
    QWidget *widget = PanelBuilder(panel, navigator, handlers).build();
    setTabOrder(widget, panel);
    return widget;
}
