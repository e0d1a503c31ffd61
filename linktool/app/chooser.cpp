#include "chooser.h"

#include "main_window.h"

#include "link/link.h"
#include "modes/connect_windows.h"
#include "ui/strings.h"

#include <QCloseEvent>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QVBoxLayout>

// The cursor lives in a resource of the static library, and nothing but this
// call refers to the resource's initialiser: without it the linker leaves the
// resource out and the cursor comes up empty. The macro cannot stand inside
// a namespace.
static void initLinkResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace lt {

namespace {

QPointer<Chooser> g_chooser;

// Image1: a module with its antenna sending to a mast, in the colours of
// the theme (a light picture would glare out of a dark one); only the
// module's two lamps keep their own colours.
QPixmap modulePicture(const QPalette &palette)
{
    QPixmap pix(420, 260);
    pix.fill(palette.color(QPalette::Base));
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(palette.color(QPalette::Text), 2));
    p.setBrush(palette.color(QPalette::Highlight));
    p.drawRoundedRect(QRectF(40, 120, 150, 90), 10, 10);
    p.setBrush(QColor(0x9F, 0xD0, 0x7A));
    p.drawEllipse(QPointF(70, 140), 6, 6);
    p.setBrush(QColor(0xE8, 0xB0, 0x40));
    p.drawEllipse(QPointF(92, 140), 6, 6);
    p.drawLine(QPointF(160, 120), QPointF(175, 66));
    p.setBrush(Qt::NoBrush);
    for (int r = 20; r <= 60; r += 20)
        p.drawArc(QRectF(175 - r, 66 - r, 2 * r, 2 * r), 10 * 16, 70 * 16);
    p.drawLine(QPointF(330, 210), QPointF(350, 60));
    p.drawLine(QPointF(370, 210), QPointF(350, 60));
    p.drawLine(QPointF(336, 160), QPointF(364, 160));
    p.drawLine(QPointF(342, 110), QPointF(358, 110));
    for (int r = 20; r <= 60; r += 20)
        p.drawArc(QRectF(350 - r, 60 - r, 2 * r, 2 * r), 110 * 16, 70 * 16);
    p.setPen(palette.color(QPalette::Text));
    p.drawText(QRectF(40, 215, 150, 24), Qt::AlignCenter, QStringLiteral("QX3000"));
    return pix;
}

} // namespace

void ClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    emit clicked();
}

QCursor customCursor()
{
    static const bool registered = (initLinkResources(), true);
    Q_UNUSED(registered);
    return QCursor(QPixmap(QStringLiteral(":/app/cursor101.xpm")), 0, 0);
}

Chooser *Chooser::open(MainWindow &main)
{
    if (!g_chooser) {
        g_chooser = new Chooser(main);
        main.addChild(g_chooser)->move(0, 0);
        main.fitChild(g_chooser, QSize(twips(11800), twips(8180)));
    }
    g_chooser->parentWidget()->show();
    return g_chooser;
}

Chooser::Chooser(MainWindow &main) : m_main(main)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(tr("QX3000系列测试程序"));
    auto *layout = new QVBoxLayout(this);

    QFont big = font();
    big.setPointSize(big.pointSize() + 8);
    big.setBold(true);
    ClickLabel *label1 = caption("Label1", tr("QX3000系列测试程序"),
                                 tr("单击进入 QX3200 测试，用户不需要固定IP地址"));
    label1->setFont(big);
    layout->addWidget(label1, 0, Qt::AlignHCenter);

    m_image = new QLabel(this);
    m_image->setObjectName(QStringLiteral("Image1"));
    m_image->setPixmap(modulePicture(palette()));
    layout->addWidget(m_image, 1, Qt::AlignHCenter);

    QFont mid = font();
    mid.setPointSize(mid.pointSize() + 4);
    ClickLabel *label2 = caption("Label2", tr("短信 测试程序"),
                                 tr("单击进入 QX3210 测试，需要固定IP地址"));
    ClickLabel *label6 = caption("Label6", tr("GPRS 测试程序"),
                                 tr("单击进入 有省电功能QX3100/QX3200 测试，用户不需要固定IP地址"));
    for (ClickLabel *l : {label2, label6}) {
        l->setFont(mid);
        l->setForegroundRole(QPalette::Link);
        layout->addWidget(l, 0, Qt::AlignHCenter);
    }
    connect(label2, &ClickLabel::clicked, this, [this] { openSmsConnect(m_main); });
    connect(label6, &ClickLabel::clicked, this, [this] { openQx3200Connect(m_main); });

    const QString contacts[] = {tr("技术支持：请与您的供应商联系"),
                                tr("使用前请阅读模块说明书"),
                                tr("测试程序仅用于模块的设置和检测")};
    for (int i = 0; i < 3; ++i) {
        auto *l = new QLabel(contacts[i], this);
        l->setObjectName(QStringLiteral("Label3_%1").arg(i));
        layout->addWidget(l, 0, Qt::AlignHCenter);
    }

    main.link().port().setDtr(true);
}

ClickLabel *Chooser::caption(const char *name, const QString &text, const QString &tip)
{
    auto *l = new ClickLabel(text, this);
    l->setObjectName(QLatin1String(name));
    l->setProperty("hoverTip", tip);
    l->installEventFilter(this);
    return l;
}

void Chooser::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange)
        m_image->setPixmap(modulePicture(palette()));
    QWidget::changeEvent(event);
}

bool Chooser::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Enter) {
        auto *l = static_cast<QWidget *>(watched);
        l->setToolTip(l->property("hoverTip").toString());
        l->setCursor(customCursor());
    }
    return QWidget::eventFilter(watched, event);
}

void Chooser::closeEvent(QCloseEvent *event)
{
    // Closing the port under an open module window would leave it writing
    // into nothing while its status panel still names the port.
    if (!m_main.portUser())
        m_main.link().port().close();
    QWidget::closeEvent(event);
}

} // namespace lt
