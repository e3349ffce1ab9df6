#pragma once

#include <QLabel>
#include <array>

// How a caption too wide for its label is cut: not at all, as a name, in
// the middle, or as a path.
enum class Skracanie { Brak, Nazwa, Środek, Ścieżka };

// A row, header or status label of a panel: plain text on one line, where
// control characters and undecodable bytes show as a visible stand-in. A
// caption wider than the label is cut to fit, and its tooltip shows it whole.
class EtykietaPanelu : public QLabel
{
    Q_OBJECT
public:
    explicit EtykietaPanelu(QWidget *parent = nullptr);

    void UstawSkracanie(Skracanie sposób);

    void UstawNapis(const QString &napis);
    // The caption as last set, before any stand-ins or cuts.
    const QString &Napis() const { return m_napis; }

    // Full-view columns drawn right of the name: their texts, and their
    // widths in pixels (0 leaves one out; all 0 draws the name alone).
    void UstawKolumny(const std::array<QString, 3> &teksty);
    void UstawSzerokościKolumn(const std::array<int, 3> &szerokości);
    const std::array<QString, 3> &Kolumny() const { return m_kolumny; }
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
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void Odśwież();
    int SzerokośćNapisu() const;

    QString m_napis;
    Skracanie m_skracanie = Skracanie::Brak;
    std::array<QString, 3> m_kolumny;
    std::array<int, 3> m_szerokości{};
    bool m_wciśnięty = false;
};

// The one-line text drawn for a caption.
QString TekstDoWyświetlenia(const QString &napis);
