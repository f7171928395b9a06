#pragma once

#include "screens/cards/PlayerCard.h"

// The hitter card: the hitters of the selected position from "BTRMAST.DB",
// with the games each played at every position in 1997.
class Tsecbase : public PlayerCard {
    Q_OBJECT

public:
    Tsecbase();

    TTable *const SecB;
    QLineEdit *const Position;

    void FormCreate();
    void FormActivate() override;
    void SecBFilterRecord(TTable &table, bool &accept);
};
