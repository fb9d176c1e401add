#include "rememberedlists.h"

#include "codepage.h"
#include "combos.h"
#include "fieldpanels.h"
#include "listfile.h"
#include "sortedlists.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QFile>
#include <QLineEdit>
#include <QWidget>

namespace {

// A list that was loaded from its file, or was sorted from the start, keeps
// its entries sorted; the others take new entries at the end.
constexpr const char *kSortedProperty = "sortedList";

const QString kDeletionSteps = QStringLiteral("=======\nPostupak brisanja pojmova iz padajuće liste:\n"
                                              "- dva puta kliknuti u polje za unos teksta pored padajuće liste");

QStringList entriesOf(const QComboBox &list)
{
    QStringList entries;
    for (int i = 0; i < list.count(); ++i)
        entries << list.itemText(i);
    return entries;
}

// The field is left when the focus goes to another control of the window;
// switching to another window or opening a menu leaves the typing unfinished.
bool movesToAnotherControl(const QFocusEvent &event)
{
    return event.reason() != Qt::ActiveWindowFocusReason && event.reason() != Qt::PopupFocusReason;
}

} // namespace

bool isListed(const QString &typed, const QStringList &entries)
{
    const QString upper = typed.toUpper();
    for (const QString &entry : entries)
        if (entry.toUpper().contains(upper))
            return true;
    return false;
}

RememberedLists::RememberedLists(QWidget &window, const AppFolders &folders)
    : QObject(&window), m_window(window), m_folders(folders)
{
    for (const QString &name : listFieldNames()) {
        auto *field = window.findChild<QLineEdit *>(name);
        auto *list = window.findChild<DropDownCombo *>(QStringLiteral("cb_") + name);
        KomboBrisiZapisObv(field, list);
        field->installEventFilter(this);
        connect(list, &QComboBox::activated, this, [this, list] { KomboChange(list); });
        connect(list, &DropDownCombo::dropDown, this, [list] {
            if (list->count() > 0)
                SetComboDropDownWidth(list, -1);
        });
    }
    for (const char *sortedFromStart : {"cb_p_roba_12", "cb_p_roba_13"})
        window.findChild<QComboBox *>(QString::fromLatin1(sortedFromStart))->setProperty(kSortedProperty, true);
}

void RememberedLists::KomboBrisiZapisObv(QLineEdit *field, QComboBox *list)
{
    field->setToolTip(field->toolTip().isEmpty() ? kDeletionSteps : field->toolTip() + QLatin1Char('\n') + kDeletionSteps);
    list->setToolTip(QStringLiteral("Padajuća lista prethodno upisanih pojmova.\nPojmovi se automatski dodaju u listu.\n")
                     + kDeletionSteps);
}

void RememberedLists::UcitajListe()
{
    const QStringList names = QStringList{QStringLiteral("valute")} + listFieldNames();
    for (const QString &name : names) {
        const QString path = m_folders.listFilePath(name);
        if (!QFile::exists(path))
            continue;
        QStringList entries;
        QString error;
        if (!readListFile(path, entries, error)) {
            Q_EMIT failed(error);
            return;
        }
        auto *list = m_window.findChild<QComboBox *>(QStringLiteral("cb_") + name);
        list->clear();
        list->addItems(sortedList(entries));
        // Filling a list makes its first entry current; nothing is picked yet.
        list->setCurrentIndex(-1);
        list->setProperty(kSortedProperty, true);
    }
}

QComboBox *RememberedLists::listOf(const QObject *field) const
{
    return m_window.findChild<QComboBox *>(QStringLiteral("cb_") + field->objectName());
}

bool RememberedLists::eventFilter(QObject *watched, QEvent *event)
{
    auto *field = qobject_cast<QLineEdit *>(watched);
    if (field && event->type() == QEvent::FocusOut && movesToAnotherControl(*static_cast<QFocusEvent *>(event)))
        EditExit(field);
    else if (field && event->type() == QEvent::MouseButtonDblClick)
        KomboBrisiZapis(field);
    return false;
}

void RememberedLists::KomboChange(QComboBox *list)
{
    if (auto *field = m_window.findChild<QLineEdit *>(list->objectName().mid(3)))
        field->setText(list->currentText());
}

void RememberedLists::EditExit(QLineEdit *field)
{
    const QString typed = reduceToCp1250(field->text());
    QComboBox *list = listOf(field);
    if (typed.isEmpty() || isListed(typed, entriesOf(*list)))
        return;
    const int picked = list->currentIndex();
    const int position = list->property(kSortedProperty).toBool()
                             ? static_cast<int>(sortedPosition(entriesOf(*list), typed))
                             : list->count();
    list->insertItem(position, typed);
    // The entry last picked stays the one a double-click removes.
    list->setCurrentIndex(picked < 0 ? -1 : picked + (position <= picked ? 1 : 0));
    writeList(field->objectName(), *list);
}

void RememberedLists::KomboBrisiZapis(QLineEdit *field)
{
    field->clear();
    QComboBox *list = listOf(field);
    if (list->currentIndex() >= 0)
        list->removeItem(list->currentIndex());
    list->setCurrentIndex(-1);
    writeList(field->objectName(), *list);
}

void RememberedLists::writeList(const QString &fieldName, const QComboBox &list)
{
    QString error;
    if (!writeListFile(m_folders.listFilePath(fieldName), entriesOf(list), error))
        Q_EMIT failed(error);
}
