#include "frmMsg.h"

#include <ui/Colors.h>
#include <ui/Fonts.h>
#include <ui/Keys.h>
#include <ui/LabelButton.h>
#include <ui/Shape.h>
#include <ui/TitleDrag.h>
#include <ui/Twips.h>

#include <QKeyEvent>
#include <QLabel>

namespace notebox {

namespace {

constexpr quint32 highlighted = 0x80FFFF;
constexpr quint32 white = 0xFFFFFF;

} // namespace

frmMsg::frmMsg(QWidget *parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmMsg"));
    oc::ui::resizeTwips(this, 6435, 1485);
    oc::ui::setBackground(this, 0x808080);
    oc::ui::setForeground(this, 0x000000);

    const quint32 frameColour = oc::ui::toBgr(palette().color(QPalette::Base));
    for (auto &shape : Shape1) {
        shape = new oc::ui::Shape(this);
        shape->setBorderColor(frameColour);
    }

    // Titles and messages carry file names, which may look like markup.
    Label1 = new QLabel(QStringLiteral("Tytuł"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextFormat(Qt::PlainText);
    oc::ui::placeTwips(Label1, 3000, 0, 555, 240);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setFont(oc::ui::sansFont(9.75, true));
    oc::ui::setBackground(Label1, white);
    oc::ui::setForeground(Label1, 0x404040);
    oc::ui::makeTitleDrag(Label1);

    Label2 = new QLabel(QStringLiteral("Komunikat"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setTextFormat(Qt::PlainText);
    oc::ui::placeTwips(Label2, 240, 360, 6015, 480);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label2->setWordWrap(true);
    Label2->setFont(oc::ui::sansFont(9.75, true));
    oc::ui::setForeground(Label2, oc::ui::toBgr(palette().color(QPalette::HighlightedText)));

    const quint32 buttonText = oc::ui::toBgr(palette().color(QPalette::ButtonText));
    for (int i = 0; i < 3; ++i) {
        auto *button = new oc::ui::LabelButton(this);
        button->setObjectName(QStringLiteral("But%1").arg(i));
        oc::ui::placeTwips(button, 840, 960, 1455, 300);
        button->setAlignment(Qt::AlignCenter);
        button->setFont(oc::ui::sansFont(12));
        oc::ui::setBackground(button, white);
        oc::ui::setForeground(button, buttonText);
        connect(button, &oc::ui::LabelButton::clicked, this, [this, i] { But_Click(i); });
        But[i] = button;
    }
    Label1->raise();
}

void frmMsg::setUp(qint32 x, qint32 y, const QString &title, quint8 ikona, quint8 buttony, quint8 &defaultButton,
                   const QString &text)
{
    move(oc::ui::toPixels(x), oc::ui::toPixels(y));
    Label1->setText(title);
    // A box without a drawn title goes by the program's name.
    setWindowTitle(title.trimmed().isEmpty() ? QStringLiteral("Orvane Commander") : title);
    Label2->setText(text);
    oc::ui::setBackground(this, iconBackground(ikona));

    But[1]->hide();
    But[2]->hide();
    // An unknown set leaves button 0 as designed: shown, without a caption.
    int count = 0;
    if (const std::optional<ButtonSet> set = buttonSet(buttony)) {
        count = set->count;
        for (int i = 0; i < count; ++i) {
            But[i]->setCaption(set->captions[i]);
            But[i]->show();
            oc::ui::moveTwips(But[i], set->lefts[i], 960);
        }
    }
    defaultButton = quint8(checkedDefault(defaultButton, count));
    m_defaultIndex = defaultButton;
}

void frmMsg::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_activated) {
        m_activated = true;
        activate();
    }
}

void frmMsg::activate()
{
    Label1->setText(u' ' + Label1->text() + u' ');
    Label1->adjustSize();
    Label1->move((width() - Label1->width()) / 2, Label1->y());

    highlight(m_defaultIndex, true);
    int count = 3;
    if (But[2]->isHidden())
        count = 2;
    if (But[1]->isHidden())
        count = 1;
    std::array<QString, 3> captions;
    for (int i = 0; i < 3; ++i)
        captions[i] = But[i]->caption();
    m_keys.emplace(captions, count, m_defaultIndex);
}

void frmMsg::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    oc::ui::fitFrames(Shape1[0], Shape1[1]);
}

void frmMsg::keyPressEvent(QKeyEvent *event)
{
    if (!m_keys)
        return;
    const int before = m_keys->current();
    const std::optional<int> click = m_keys->key(oc::ui::virtualKey(event));
    if (m_keys->current() != before) {
        highlight(before, false);
        highlight(m_keys->current(), true);
    }
    if (click)
        But_Click(*click);
}

void frmMsg::But_Click(int index)
{
    m_clicked = index;
    accept();
}

void frmMsg::reject()
{
    if (m_keys && !m_clicked)
        m_clicked = m_keys->closeAnswer();
    QDialog::reject();
}

void frmMsg::highlight(int index, bool on)
{
    oc::ui::setBackground(But[index], on ? highlighted : white);
}

} // namespace notebox
