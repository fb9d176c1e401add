#include "catalogue.h"

namespace {

constexpr std::array<BookKind, kBookKindCount> kCatalogue{{
    {"NK - trgovina robom, uvoz", "roba_uvoz", "roba_uvoz", "p_roba_", "pn_roba", "v_10", 0x2, 0xA0, 14},
    {"NK - trgovina robom, izvoz", "roba_izvoz", "roba_izvoz", "p_roba_", "pn_roba", "v_10", 0x2, 0xA0, 14},
    {"NK - promet primljenih usluga", "usluge_uvoz", "usluge_uvoz", "p_usluge_", "pn_usluge", "v_10", 0x2, 0x20, 11},
    {"NK - promet pruženih usluga", "usluge_izvoz", "usluge_izvoz", "p_usluge_", "pn_usluge", "v_10", 0x2, 0x20, 11},
    {"NK - kredita odobrenja", "kredit_odobrenja", "kredit_odobrenje", "p_kredit_", "pn_kredit", "v_10", 0x21002, 0x4020, 18},
    {"NK - kredita zaduženja", "kredit_zaduzenja", "kredit_zaduzenje", "p_kredit_", "pn_kredit", "v_10", 0x21002, 0x4020, 18},
    {"NK - kupnja nekretnina u inozemstvu", "nekretnine_kupnja", "nekretnine_nerezident", "p_nekretnine_", "pn_nekretnine", "v_10", 0x802, 0xA0, 12},
    {"NK - prodaja nekretnina nerezidentu", "nekretnine_prodaja", "nekretnine_rezident", "p_nekretnine_", "pn_nekretnine", "v_10", 0x802, 0xA0, 12},
    {"NK - za premije i isplate u svezi s osiguranjem inozemnog kredita", "osiguranje_ino_kredit", "osiguranje_premije_kredit_nerezident", "p_osiguranje_", "pn_osiguranje", "v_10", 0x2, 0x20, 9},
    {"NK - za premije i isplate u svezi s osiguranjem kod nerezidenta", "osiguranje_kod_nerezidenta", "osiguranje_premije_nerezident", "p_osiguranje_", "pn_osiguranje", "v_10", 0x2, 0x20, 9},
    {"NK - za premije i isplate u svezi s osiguranjem osoba i imovine nerezidenata", "osiguranje_osoba_nerzd", "osiguranje_premije_osobe_nerezident", "p_osiguranje_", "pn_osiguranje", "v_10", 0x2, 0x20, 9},
    {"NK - kupnja vrijednosnih papira u inozemstvu", "vrj_ppr_kupnja", "papiri_kupnja", "p_papiri_", "pn_papiri", "v_10", 0x4002, 0xA0, 15},
    {"NK - prodaja vrijednosnih papira u inozemstvu", "vrj_ppr_prodaja", "papiri_prodaja", "p_papiri_", "pn_papiri", "v_10", 0x4002, 0xA0, 15},
    {"NK - ulaganja u nerezidenta", "ulaganja_nerzd", "ulaganja_nerezidenta", "p_ulaganja_", "pn_ulaganja", "v_10", 0x2, 0x20, 9},
    {"NK - ulaganja u rezidenta", "ulaganja_rzd", "ulaganja_rezidenta", "p_ulaganja_", "pn_ulaganja", "v_10", 0x2, 0x20, 9},
    {"NK - naplate po osnovi ostalih kapitalnih poslova", "ost_kapitalni_poslovi_naplata", "kapital_naplata", "p_kapital_", "pn_kapital", "v_10", 0x2, 0xA0, 10},
    {"NK - plaćanja po osnovi ostalih kapitalnih poslova", "ost_kapitalni_poslovi_placanje", "kapital_placanje", "p_kapital_", "pn_kapital", "v_10", 0x2, 0xA0, 10},
    {"NK - depozitnih poslova", "depozitni_poslovi", "depozit_opci", "p_depozit_", "pn_depozit", "v_10", 0xC02, 0x0, 12},
    {"NK - prometa po računu u inozemstvu", "prometa_rn_inozemstvu", "depozit_promet", "p_promet_", "pn_promet", "v_10", 0x22, 0x44, 8},
}};

} // namespace

const std::array<BookKind, kBookKindCount> &bookCatalogue()
{
    return kCatalogue;
}

const BookKind *bookKind(int kind)
{
    if (kind < 0 || kind >= kBookKindCount)
        return nullptr;
    return &kCatalogue[static_cast<std::size_t>(kind)];
}

QStringList bookDisplayNames()
{
    QStringList names;
    for (const BookKind &kind : kCatalogue)
        names << QString::fromUtf8(kind.displayName);
    return names;
}

QStringList clientSpreadsheetNames()
{
    return {QStringLiteral("roba_uvoz.xls"), QStringLiteral("roba_izvoz.xls"),
            QStringLiteral("usluge_uvoz.xls"), QStringLiteral("uplate.xls"),
            QStringLiteral("naplate.xls")};
}

void KoloneFormati(int kind, ColumnMasks &current)
{
    if (const BookKind *chosen = bookKind(kind)) {
        current.dates = chosen->dateMask;
        current.amounts = chosen->amountMask;
    }
}
