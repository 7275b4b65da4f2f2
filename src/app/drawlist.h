#pragma once

#include "store/datafiles.h"
#include "store/records.h"

#include <QList>
#include <QString>
#include <optional>

// Texts of one row of the draw list. "Números ganadores": the first four
// numbers padded to two characters, joined by "-" (" 3-17-22-40-45").
QString drawListNumbersText(const DrawRecord& draw);
// "Estrellas": first star, a space, the second right-aligned in two ("2  5").
QString drawListStarsText(const DrawRecord& draw);
// "Fecha": "21/04/2020  Martes".
QString drawListDateText(const DrawRecord& draw);
// "TOTAL: 3 sorteos."
QString drawListTotalText(int draws);

// The draws of records next - 1 down to 1, newest first. Nothing when the file
// is damaged: a record missing below `next`, or a number or star out of range.
std::optional<QList<DrawRecord>> loadDrawList(DataFiles& files, int nextDrawRecord);

class DrawStore;

// Keeps a damaged numeros.dat from being counted, and from being set aside
// twice: setting it aside refreshes every view, which looks at it again.
class DrawFileGuard {
public:
    explicit DrawFileGuard(DrawStore& store) : store_(store) {}
    enum class Check {
        Sound,     // may be counted
        Discarded, // was damaged and is now set aside; its refreshes ran
        Damaged    // still damaged while it is being set aside: count nothing
    };
    Check check(DataFiles& files, int nextDrawRecord);
    // Sets the damaged file aside unless that is already under way.
    void discard();

private:
    DrawStore& store_;
    bool discarding_ = false;
};
