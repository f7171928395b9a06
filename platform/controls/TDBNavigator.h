#pragma once

#include "platform/controls/TDataSource.h"

#include <QToolButton>
#include <QWidget>

#include <array>
#include <functional>

// Four buttons (first, prior, next, last) that move the table of a data
// source; first/prior follow BOF, next/last follow EOF. Prior and next
// repeat while held: first after 400 ms, then every 100 ms.
class TDBNavigator : public QWidget {
    Q_OBJECT

public:
    enum Button { nbFirst, nbPrior, nbNext, nbLast };

    explicit TDBNavigator(QWidget *parent = nullptr);
    ~TDBNavigator() override;
    void SetDataSource(TDataSource *source);
    QToolButton *button(Button which) const { return m_buttons[which]; }
    // Runs after the move the pressed button asked for.
    std::function<void(Button)> OnClick;
    void BtnClick(Button which);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    class Link;
    void updateButtons();

    std::array<QToolButton *, 4> m_buttons{};
    Link *m_link;
};
