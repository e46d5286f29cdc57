#include "classroom/help_page.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>

namespace {

class Texts {
    Q_DECLARE_TR_FUNCTIONS(HelpPage)

  public:
    static QString physicsAndControls() {
        return tr(
            "<h2>Катушка (индуктивность) в цепи переменного тока</h2>"
            "<h3>Что показывает демонстрация</h3>"
            "<p>Генератор подаёт на катушку напряжение <i>u</i> = U<sub>m</sub>·cos ω<i>t</i>. "
            "Ток через катушку <i>i</i> = U<sub>m</sub>/(ω<i>L</i>)·sin ω<i>t</i> отстаёт от "
            "напряжения на четверть периода: он наибольший, когда напряжение проходит через "
            "ноль. Мощность <i>u</i>·<i>i</i> колеблется с удвоенной частотой, поровну выше и "
            "ниже нуля, и в среднем равна нулю: катушка то берёт энергию у генератора, то "
            "отдаёт её обратно.</p>"
            "<p>Провода краснеют с силой тока, заряды бегают по цепи туда и обратно, знаки "
            "«+» и «-» на клеммах генератора меняются с полярностью, стрелки вольтметра и "
            "амперметра качаются, а справа рисуются графики напряжения (синий), тока "
            "(красный) и мощности (чёрный); каждые 15 секунд они начинаются заново.</p>"
            "<h3>Органы управления</h3>"
            "<ul>"
            "<li><b>Частота</b>: частота генератора, девять ступеней.</li>"
            "<li><b>Амплитуда(U<sub>m</sub>)</b>: амплитуда напряжения генератора, от 1 до "
            "10.</li>"
            "<li>Ползунок над катушкой: её индуктивность <i>L</i>, от 1 до 10.</li>"
            "<li><b>Вкл.\\Выкл.</b>: запускает и останавливает демонстрацию; после остановки "
            "все приборы снова в покое.</li>"
            "<li><b>Графики</b>: показывает и прячет графики.</li>"
            "<li><b>Выход</b>: закрывает программу.</li>"
            "</ul>"
            "<p>Ползунки действуют сразу, и во время демонстрации тоже. Правый щелчок по окну "
            "открывает меню со всеми командами, перечисленными ниже.</p>");
    }
    static QString commandsHeading() { return tr("<h3>Команды и клавиши</h3>"); }
    static QString aboutKeys() {
        return tr(
            "<p>Клавиши действуют, где бы ни был фокус, и в русской раскладке тоже (З, Х, Ъ, "
            "Ctrl+Ы, Ctrl+С). Пауза останавливает мгновение, а после продолжения "
            "демонстрация идёт с него же. При замедлении графики те же, только рисуются "
            "медленнее. Выбранная скорость остаётся до конца работы программы; выключатель "
            "снимает паузу. Пока открыт диалог сохранения картинки, демонстрация стоит.</p>");
    }
    static QString optionsHeading() { return tr("<h3>Параметры командной строки</h3>"); }
};

}  // namespace

QString helpPage(const QList<QAction*>& commands, const QString& options) {
    QString keys = QStringLiteral("<table cellpadding=\"3\">");
    for (const QAction* command : commands) {
        QStringList names;
        for (const QKeySequence& shortcut : command->shortcuts()) {
            names << shortcut.toString(QKeySequence::NativeText);
        }
        keys += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>")
                    .arg(names.join(QStringLiteral(", ")).toHtmlEscaped(),
                         command->text().remove(QLatin1Char('&')).toHtmlEscaped());
    }
    keys += QStringLiteral("</table>");
    QString page =
        Texts::physicsAndControls() + Texts::commandsHeading() + keys + Texts::aboutKeys();
    if (!options.isEmpty()) {
        page +=
            Texts::optionsHeading() + QStringLiteral("<pre>%1</pre>").arg(options.toHtmlEscaped());
    }
    return page;
}
