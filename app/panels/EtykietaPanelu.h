#pragma once

#include <QLabel>

// A row, header or status label of a panel: plain text on one line, where
// control characters and undecodable bytes show as a visible stand-in.
class EtykietaPanelu : public QLabel
{
    Q_OBJECT
public:
    explicit EtykietaPanelu(QWidget *parent = nullptr);

    void UstawNapis(const QString &napis);
    // The caption as last set, before any stand-ins.
    const QString &Napis() const { return m_napis; }
    // A row whose entry is marked: its text keeps the marked colour.
    bool Zaznaczony = false;

signals:
    void clicked();
    void doubleClicked();
    void pressed(Qt::MouseButton button);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QString m_napis;
    bool m_wciśnięty = false;
};

// The one-line text drawn for a caption.
QString TekstDoWyświetlenia(const QString &napis);
