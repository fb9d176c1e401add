#include "fieldpanels.h"

#include "catalogue.h"

namespace {

using enum Input;

const SubFieldDef kDocumentMark{Text, SubRole::DocumentMark};
const SubFieldDef kDocumentDate{Date, SubRole::DocumentDate};
const SubFieldDef kEntryNumber{Text, SubRole::EntryNumber};
const SubFieldDef kEntryYear{Year, SubRole::EntryYear};

const ColumnDef kEntryDate{Date, "Datum unosa podataka"};
const ColumnDef kDocument{Composite, "Oznaka i datum isprave", {kDocumentMark, kDocumentDate}};
const ColumnDef kPartner{Text, "Naziv tvrtke nerezidenta", {}, true};
const ColumnDef kPartnerCountry{Text, "Zemlja sjedišta nerezidenta", {}, true};
const ColumnDef kContractValue{Amount, "Ugovorena vrijednost posla"};
const ColumnDef kNote{Text, "Naznaka"};
const ColumnDef kCommission{Number, "Postotak provizije"};
const ColumnDef kPayments{Composite,
                           "Datum, iznos i način izvršenog plaćanja ili naplate",
                           {{Date, SubRole::PaymentDate}, {Amount, SubRole::PaymentAmount},
                            {Text, SubRole::PaymentMethod, true}}};
const ColumnDef kApproval{Text, "Oznaka i datum odobrenja ili rješenja"};
const ColumnDef kEntryReference{Composite, "Oznaka rednog broja i godina unosa podataka", {kEntryNumber, kEntryYear}};

std::vector<PanelDef> makePanels()
{
    return {
        {"p_roba_",
         "pn_roba",
         {kEntryDate, kDocument, kPartner, kPartnerCountry, kContractValue, kNote, kCommission, kPayments, kApproval,
          kEntryReference,
          {Composite, "Broj i datum jedinstvene car. deklaracije (JCD)", {{Text}, {Date}}},
          {Text, "Podaci o zemlji u koju se roba uvozi ili iz koje se roba izvozi", {}, true},
          {Text, "Podaci o zemlji podrijetla robe", {}, true}},
         {"1", "5", "3", "4", "2_1", "2_2", "10_1", "10_2", "6", "7", "9", "8_1", "8_2", "8_3", "11_1", "11_2", "13",
          "12"}},
        {"p_usluge_",
         "pn_usluge",
         {kEntryDate, kDocument, kPartner, kPartnerCountry, kContractValue, kNote, kCommission, kPayments, kApproval,
          kEntryReference},
         {"1", "5", "3", "4", "2_1", "2_2", "10_1", "10_2", "6", "7", "9", "8_1", "8_2", "8_3"}},
        {"p_kredit_",
         "pn_kredit",
         {kEntryDate,
          {Composite, "Datum i broj zaključenog ugovora o kreditu",
           {{Date, SubRole::DocumentDate}, {Text, SubRole::DocumentMark}}},
          kPartner, kPartnerCountry,
          {Amount, "Iznos kredita u valuti"},
          kNote, kPayments, kApproval, kEntryReference,
          {Composite, "Vrsta kredita", {{Text, SubRole::Plain, true}, {Text, SubRole::Plain, true}}, false,
           "Namjena kredita", 2},
          {Text, "Banka preko koje se koristi kredit", {}, true},
          {Date, "Datum prijenosa sredstava"},
          {Number, "Kamatna stopa i ukupna svota kamata", {}, false, nullptr, 0,
           "Kamatna stopa i ukupna svota kamata: kamatna stopa"},
          {Amount, "Kamatna stopa i ukupna svota kamata", {}, false, nullptr, 0,
           "Kamatna stopa i ukupna svota kamata: ukupna svota kamata"},
          {Composite, "Troškovi po kreditu", {{Number, SubRole::Plain, false, "%"}, {Amount}}},
          {Text, "Instrument osiguranja", {}, true},
          {Date, "Datum prijave kreditnog posla i transakcija po kreditu HNB"}},
         {"1", "5", "3", "4", "2_1", "2_2", "9_1", "9_2", "6", "8", "7_1", "7_2", "7_3", "11", "13", "14", "15_1",
          "15_2", "10_1", "10_2", "16", "12", "17"}},
        {"p_nekretnine_",
         "pn_nekretnine",
         {kEntryDate, kDocument, kPartner, kPartnerCountry, kContractValue, kNote, kCommission, kPayments, kApproval,
          kEntryReference, {Date, "Datum potvrde MF-PU o plaćenom porezu"}},
         {"1", "5", "3", "4", "2_1", "2_2", "10_1", "10_2", "6", "7", "9", "8_1", "8_2", "8_3", "11"}},
        {"p_osiguranje_",
         "pn_osiguranje",
         {kEntryDate, kDocument, kPartner, kPartnerCountry, kContractValue, kPayments, kApproval, kEntryReference},
         {"1", "5", "3", "4", "2_1", "2_2", "8_1", "8_2", "7", "6_1", "6_2", "6_3"}},
        {"p_papiri_",
         "pn_papiri",
         {kEntryDate, kDocument,
          {Text, "Naziv tvrtke nerezidenta (izdavatelj v. p.)", {}, true},
          {Text, "Zemlja sjedišta nerezidenta (izdavatelja v. p.)", {}, true},
          kContractValue, kNote, kCommission, kPayments, kApproval, kEntryReference,
          {Text, "Vrsta vrijednosnog papira", {}, true},
          {Text, "Bonitetna ocjena vrijednosnog papira", {}, true},
          {Text, "Skrbnička banka u Republici Hrvatskoj", {}, true},
          {Date, "Datum prijave posla HNB"}},
         {"1", "5", "3", "4", "2_1", "2_2", "10_1", "10_2", "6", "7", "9", "8_1", "8_2", "8_3", "14", "11", "13",
          "12"}},
        {"p_ulaganja_",
         "pn_ulaganja",
         {kEntryDate, kDocument, kPartner, kPartnerCountry, kContractValue, kPayments, kEntryReference,
          {Date, "Datum prijave izravnog ulaganja Hrvatskoj narodnoj banci"}},
         {"1", "5", "3", "4", "2_1", "2_2", "7_1", "7_2", "6_1", "6_2", "6_3", "8"}},
        {"p_kapital_",
         "pn_kapital",
         {kEntryDate, kDocument, kPartner, kPartnerCountry, kContractValue, kNote, kCommission, kPayments,
          kEntryReference},
         {"1", "5", "3", "4", "2_1", "2_2", "9_1", "9_2", "6", "7", "8_1", "8_2", "8_3"}},
        {"p_depozit_",
         "pn_depozit",
         {kEntryDate,
          {Composite, "Broj i datum ugovora o otvaranju računa",
           {{Text}, {Date},
            {Text, SubRole::Plain, true, nullptr, "Naziv tvrtke nerezidenta s kojim je sklopljen posao"},
            {Text, SubRole::Plain, true, nullptr, "Zemlja sjedišta nerezidenta s kojim je sklopljen posao"}},
           false, "Naziv i sjedište strane financijske institucije", 3},
          kPayments, kEntryReference,
          {Text, "Vrsta posla odnosno namjena za koju se otvara račun u inozemstvu", {}, true},
          {Text, "Broj otvorenog računa"},
          {Composite, "Rok i produženje roka na koji je račun otvoren",
           {{Text, SubRole::Plain, false, nullptr, "Rok i produženje roka na koji je račun otvoren"},
            {Text, SubRole::Plain, false, nullptr, "Produženje roka na koji je račun otvoren"},
            {Amount, SubRole::Plain, false, nullptr, "Odobreni iznos stanja sredstava na računu"}},
           false, "Odobreni iznos", 3},
          {Composite, "Datum dostave izvješća HNB",
           {{Date, SubRole::Plain, false, nullptr,
             "Datum dostave izvješća HNB\no stanju sredstava na računu u inozemstvu"}}},
          {Composite, "Datum povrata sredstava u zemlju",
           {{Date, SubRole::Plain, false, nullptr,
             "Datum dostave izvješća HNB\no stanju sredstava na računu u inozemstvu"}}},
          {Date, "Datum zatvaranja računa"},
          {Date, "Datum dostave obavijesti HNB"}},
         {"1", "6", "2_1", "2_2", "2_3", "2_4", "3_1", "3_2", "3_3", "4_1", "4_2", "7_1", "7_2", "7_3", "8_1", "9_1",
          "5", "10", "11"}},
        {"p_promet_",
         "pn_promet",
         {{Date, "Datum naplate"},
          {Amount, "Iznos naplate"},
          {Text, "Nalogodavatelj", {}, true},
          kEntryReference,
          {Date, "Datum izvršenog plaćanja"},
          {Amount, "Iznos izvršenog plaćanja"},
          {Text, "Korisnik naplate", {}, true}},
         {"1", "2", "3", "4_1", "4_2", "5", "6", "7"}},
    };
}

} // namespace

const std::vector<PanelDef> &fieldPanels()
{
    static const std::vector<PanelDef> panels = makePanels();
    return panels;
}

const PanelDef &panelFor(const BookKind &kind)
{
    for (const PanelDef &panel : fieldPanels())
        if (QLatin1String(panel.prefix) == QLatin1String(kind.fieldPrefix))
            return panel;
    Q_UNREACHABLE();
}

QString fieldName(const PanelDef &panel, int column)
{
    return QLatin1String(panel.prefix) + QString::number(column);
}

QString subFieldName(const PanelDef &panel, int column, int subField)
{
    return fieldName(panel, column) + QLatin1Char('_') + QString::number(subField);
}

QString columnTitle(const ColumnDef &column)
{
    if (column.title)
        return QString::fromUtf8(column.title);
    if (column.secondCaption)
        return QString::fromUtf8(column.caption) + QStringLiteral("; ") + QString::fromUtf8(column.secondCaption);
    return QString::fromUtf8(column.caption);
}

QStringList listFieldNames()
{
    QStringList names;
    for (const PanelDef &panel : fieldPanels()) {
        for (int c = 0; c < static_cast<int>(panel.columns.size()); ++c) {
            const ColumnDef &column = panel.columns[c];
            if (column.list)
                names << fieldName(panel, c + 1);
            for (int s = 0; s < static_cast<int>(column.subFields.size()); ++s)
                if (column.subFields[s].list)
                    names << subFieldName(panel, c + 1, s + 1);
        }
    }
    return names;
}
