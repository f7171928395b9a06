#pragma once

#include <QAbstractButton>
#include <QMainWindow>
#include <QRect>

#include <functional>

class QScrollArea;

// The base of every screen: a top-level window whose client area is a fixed
// panel inside a scroll area, so controls keep their pixel places and scroll
// bars appear when the window is smaller than the area they cover.
class TForm : public QMainWindow {
    Q_OBJECT

public:
    enum class Placement { Maximized, Designed };

    TForm(const QString &instanceName, const QString &caption, QWidget *parent = nullptr);

    // The panel that carries the controls, sized to cover them.
    QWidget *client() const { return m_client; }
    void setClientSize(int width, int height);
    void setClientColor(const QColor &color);
    // Outer size and place: the restored geometry of a maximized screen, or
    // the designed geometry of one that opens as a small window.
    void setWindowPlacement(Placement placement, const QRect &frameGeometry);
    Placement placement() const { return m_placement; }
    QRect designedGeometry() const { return m_designed; }
    // Scroll bars of the window itself (some screens never show one).
    void setScrollPolicy(Qt::ScrollBarPolicy horizontal, Qt::ScrollBarPolicy vertical);
    // The panel follows the window's height (the about screens).
    void setClientFollowsHeight(bool follow);

    // The activation handler; runs each time this screen becomes the
    // program's active screen in place of another of its screens.
    virtual void FormActivate() {}
    // Runs when the program ends, before the tables close.
    virtual void ProgramEnding() {}

    // Show and close as the application object does them.
    void Show();
    void Close();

    // Connects a button's click to a handler that runs under the default
    // failure handler.
    void onClick(QAbstractButton *button, std::function<void()> handler);

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QScrollArea *m_scroll;
    QWidget *m_client;
    Placement m_placement = Placement::Maximized;
    QRect m_designed;
};
