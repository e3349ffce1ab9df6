#pragma once

#include <QLabel>

namespace oc::ui {

// A label acting as a button: the letter after "&" is underlined and a
// left click emits clicked(). Also used for plain labels that report presses.
class LabelButton : public QLabel
{
    Q_OBJECT
public:
    explicit LabelButton(QWidget *parent = nullptr);
    explicit LabelButton(const QString &caption, QWidget *parent = nullptr);

    void setCaption(const QString &caption);
    QString caption() const { return m_caption; }
    // The upper-cased letter after the first "&" (not a final one), or 0.
    QChar accessKey() const;

signals:
    void clicked();
    void pressed(Qt::MouseButton button);
    void doubleClicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QString m_caption;
};

} // namespace oc::ui
