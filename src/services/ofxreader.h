#pragma once

#include "ofxstatement.h"
#include "qifparseresult.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

// What one OFX or QFX file holds, turned into the records the QIF import
// writes: each record's source account is its statement's key.
struct OfxReadResult
{
    QString error; // set when the file cannot be used at all
    QList<OfxStatement> statements;
    QifParseResult parsed;
    int investmentRecords = 0;
};

// Reads OFX 1.x (SGML), OFX 2.x (XML) and QFX files through libofx.
class OfxReader final
{
    Q_DECLARE_TR_FUNCTIONS(OfxReader)
public:
    static OfxReadResult read(const QString &path);

    // Digits after the decimal point of an ISO currency: 0 for yen, else 2.
    static int minorDigits(const QString &currencyCode);
};
