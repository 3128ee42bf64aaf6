// The payout rule book: which combination the four reel tags make, and what
// it pays as a multiple of the bet.
#pragma once

#include <QString>
#include <QStringView>

namespace payout {

struct Outcome {
    QString text; // written to Comment unchanged
    int factor;   // multiple of the bet paid; 0 for "Tough Luck!"
};

// t0..t3 are the tag texts of Output(0)..Output(3), compared exactly.
Outcome evaluate(QStringView t0, QStringView t1, QStringView t2, QStringView t3);

} // namespace payout
