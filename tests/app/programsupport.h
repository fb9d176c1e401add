#pragma once

#include "combos.h"
#include "program.h"
#include "windowsupport.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTest>

// The first company of the register gets a name and the register is saved,
// as a user does on a fresh machine.
inline void nameFirstCompany(Program &program, const QString &name)
{
    auto *register_ = program.companies.findChild<QTableView *>("sg_drustva");
    register_->model()->setData(register_->model()->index(1, 1), name);
    QTest::mouseClick(program.companies.findChild<QPushButton *>("bt_spremi"), Qt::LeftButton);
}

// Company 100 (the first), the year, the goods import book.
inline void openGoodsBook(Program &program, int year = 2012)
{
    program.entry.se_godina->setValue(year);
    pick(program.entry.cb_drustva, 0);
    pick(program.entry.cb_nk, 0);
}

inline QString goodsBookPath(const Program &program, int year = 2012)
{
    return program.entry.folders().bookFilePath(QStringLiteral("100"), year, *bookKind(0));
}

inline QString goodsCopyPath(const Program &program, int year = 2012)
{
    return program.entry.folders().recoveryCopyPath(QStringLiteral("100"), year, *bookKind(0));
}

inline QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

// Types into the field and adds the fields as a new row.
inline void addEntry(Program &program, const QString &partner)
{
    program.entry.findChild<QLineEdit *>("p_roba_3")->setText(partner);
    QTest::mouseClick(program.entry.bt_dodaj, Qt::LeftButton);
}
