#include "demo/form1.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QPushButton>
#include <QSlider>

#include "physics/conversions.h"
#include "scene/element_drawings.h"
#include "scene/pictures.h"
#include "scene/screen_reader.h"
#include "scene/units.h"

namespace {

template <class T, std::size_t N>
T& familyMember(const std::array<T*, N>& family, std::string_view name, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= N) {
        throw scene::ControlError({name, index});
    }
    return *family[static_cast<std::size_t>(index)];
}

// What a screen reader finds on the window, in this order: the heading, the controls in their
// tab order, the two meters and the graphs (one picture, shown or hidden by the curtain).
std::vector<scene::ReaderElement> readerElements(Form1& form) {
    const scene::Windowless& heading = form.controls().windowless({"Label2"});
    std::vector<scene::ReaderElement> elements{
        scene::ReadablePart{QAccessible::Heading,
                            [&heading] { return heading.Caption(); },
                            {},
                            [&heading] { return heading.pixelBounds(); },
                            [] { return true; }}};
    for (const scene::Id& id : scene::tabOrder()) {
        elements.emplace_back(&form.controls().widget(id));
    }
    elements.emplace_back(form.picvolt);
    elements.emplace_back(form.picamp);
    const QWidget* curtain = form.picShirma;
    elements.emplace_back(scene::ReadablePart{
        QAccessible::Graphic,
        [] {
            return scene::translated(
                QT_TRANSLATE_NOOP("Velmora", "Графики напряжения, тока и мощности"));
        },
        [] {
            return scene::translated(QT_TRANSLATE_NOOP("Velmora",
                                                       "Напряжение синим, ток красным, мощность "
                                                       "чёрным, во времени; каждые 15 секунд "
                                                       "графики начинаются слева заново"));
        },
        [curtain] { return curtain->geometry(); }, [curtain] { return curtain->isHidden(); }});
    return elements;
}

}  // namespace

Form1::Form1(Platform platform)
    : Surface(nullptr, scene::kButtonFace),
      platform_(std::move(platform)),
      demoClock_([this] { return platform_.clock(); }) {
    monotonic_.start();
    if (!platform_.clock) {
        platform_.clock = [this] { return static_cast<double>(monotonic_.nsecsElapsed()) / 1e9; };
    }
    if (!platform_.yield) {
        platform_.yield = [this] {
            processPendingInput();
            if (demoClock_.paused()) {
                waitForChange();
            } else {
                waitForNextFrame();
            }
        };
    }

    scene::exposeToScreenReaders(*this, [this] { return readerElements(*this); });
    setWindowTitle(QStringLiteral("Velmora"));
    resize(innerSize());

    controls_ = std::make_unique<scene::Controls>(
        *this, std::initializer_list<const scene::Layout*>{
                   &scene::controlLayout(), &scene::staticScene(), &scene::elementScene()});
    const scene::Controls& c = *controls_;
    sldW = &c.get<QSlider>({"sldW"});
    sldU = &c.get<QSlider>({"sldU"});
    sldL = &c.get<QSlider>({"sldL"});
    picOn = &c.get<scene::PictureBox>({"picOn"});
    picvolt = &c.get<scene::PictureBox>({"picvolt"});
    picamp = &c.get<scene::PictureBox>({"picamp"});
    picShirma = &c.get<scene::PictureBox>({"picShirma"});
    Command4 = &c.get<QPushButton>({"Command4"});
    Command1 = &c.get<QPushButton>({"Command1"});
    Label11 = &c.windowless({"Label11"});
    Label12 = &c.windowless({"Label12"});
    imgU = &c.windowless({"imgU"});
    imgI = &c.windowless({"imgI"});
    imgP = &c.windowless({"imgP"});
    for (int i = 0; i < static_cast<int>(pictok_.size()); ++i) {
        pictok_[static_cast<std::size_t>(i)] = &c.get<scene::PictureBox>({"pictok", i});
    }
    for (int i = 0; i < static_cast<int>(tok_.size()); ++i) {
        tok_[static_cast<std::size_t>(i)] = &c.get<Tavik::Mark>({"tok", i});
    }
    // The coil is in the circuit, the other elements' drawings hidden.
    for (const physics::ElementKind kind : physics::kElementKinds) {
        positions_[static_cast<std::size_t>(kind)] = physics::element(kind).startPosition;
    }
    scene::drawElement(*controls_, element_);
    scene::showComparisonLegend(*controls_, false);

    QWidget* previous = nullptr;
    for (const scene::Id& id : scene::tabOrder()) {
        QWidget& w = c.widget(id);
        w.setFocusPolicy(Qt::StrongFocus);
        if (previous) {
            setTabOrder(previous, &w);
        }
        previous = &w;
    }
    c.widget(scene::tabOrder().front()).setFocus();

    for (const QSlider* slider : {sldW, sldU, sldL}) {
        connect(slider, &QSlider::valueChanged, this, [this] {
            if (activeRuns_ == 0) {
                emit shownChanged();
            }
        });
    }
    connect(picOn, &scene::PictureBox::clicked, this, [this] { handle(&Form1::picOn_Click); });
    connect(Command4, &QPushButton::clicked, this, [this] { handle(&Form1::Command4_Click); });
    connect(Command1, &QPushButton::clicked, this, [this] { handle(&Form1::Command1_Click); });
    connect(picamp, &scene::Surface::repaintRequested, this,
            [this] { handle(&Form1::picamp_Paint); });
    connect(picvolt, &scene::Surface::repaintRequested, this,
            [this] { handle(&Form1::picvolt_Paint); });

    Form_Load();
}

Form1::~Form1() = default;

physics::Settings Form1::settingsNow() const {
    return {sldW->value(), sldU->value(), sldL->value(), element_};
}

physics::Instant Form1::shownInstant() const {
    if (activeRuns_ > 0) {
        return lastPass_;
    }
    return {settingsNow(), 0};
}

QSize Form1::innerSize() const {
    return scene::toPixels(QRect(QPoint(), scene::kClientTwips)).size();
}

QSize Form1::laidOutSize() {
    return scene::layoutPixels(scene::kClientTwips);
}

scene::PictureBox& Form1::pictok(int index) const {
    return familyMember(pictok_, "pictok", index);
}

Tavik::Mark& Form1::tok(int index) const {
    return familyMember(tok_, "tok", index);
}

void Form1::Form_Load() {
    graphX0 = 8850;
    graphXScale = 400;
    graphU0 = 2940;
    graphYScale = 1000;
    graphI0 = 5220;
    sweepCount = 0;
    sweepSeconds = 15;
    prevX = graphX0;
    prevU = graphU0;
    prevI = graphI0;
    graphP0 = 8310;
    prevP = graphP0;
    setDrawWidth(2);
    pi = 3.14;
    for (int i = 0; i <= 75; ++i) {
        tok(i).setVisible(false);
    }
    needleLength = 1060;
}

void Form1::handle(void (Form1::*handler)()) {
    if (ending_) {
        return;  // nothing runs on a window that is closing, nor draws on it
    }
    // A failed control operation (a control that does not exist, a value a control cannot take)
    // ends the handler in progress; the program goes on. Nothing else (out of memory) is caught.
    try {
        (this->*handler)();
    } catch (const scene::ControlError&) {
        turnOffAfterFailure();
    } catch (const conversions::ConversionError&) {
        turnOffAfterFailure();
    }
}

// When the failure ended the run itself, the switch must not go on saying "on": it is turned off
// and the displays are put at rest, as by a press of the switch.
void Form1::turnOffAfterFailure() {
    if (activeRuns_ == 0 && running == 1) {
        picOn->setAppearance(scene::Appearance::Flat);
        picOn->setBackColor(scene::kLightGrey);
        running = 0;
        emit switched(false);
        ResetDemo();
    }
}

// The icon is drawn at every size a desktop may ask for, which takes a good part of the time the
// whole window takes to draw: it follows the window's first frame instead of holding it up.
void Form1::paintEvent(QPaintEvent* event) {
    Surface::paintEvent(event);
    if (!iconAsked_) {
        iconAsked_ = true;
        QMetaObject::invokeMethod(
            this, [this] { setWindowIcon(scene::windowIcon()); }, Qt::QueuedConnection);
    }
}

void Form1::closeEvent(QCloseEvent* event) {
    endProgram();
    event->accept();
}

void Form1::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        controls_->retranslate();
        showElementTexts();
    }
    Surface::changeEvent(event);
}

bool Form1::event(QEvent* event) {
    if (event->type() == scene::ZoomChange) {
        controls_->relayout();
        return true;
    }
    return Surface::event(event);
}

void Form1::endProgram() {
    ending_ = true;
    QCoreApplication::exit(0);
}
