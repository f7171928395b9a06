#pragma once

#include "screens/cards/PlayerCard.h"

// The pitcher card: the starting or relief pitchers from "PITMAST.DB". It
// loads no banner until its first activation.
class Tstarters : public PlayerCard {
    Q_OBJECT

public:
    Tstarters();

    TTable *const FirstB;
    QLineEdit *const Edit2;

    void FormActivate() override;
    void FirstBFilterRecord(TTable &table, bool &accept);
};
