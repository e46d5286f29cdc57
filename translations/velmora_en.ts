<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="ru_RU">
<context>
    <name>Classroom</name>
    <message>
        <source>Пауза</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Медленнее</source>
        <translation>Slower</translation>
    </message>
    <message>
        <source>Быстрее</source>
        <translation>Faster</translation>
    </message>
    <message>
        <source>Обычная скорость</source>
        <translation>Normal speed</translation>
    </message>
    <message>
        <source>Сохранить картинку…</source>
        <translation>Save picture…</translation>
    </message>
    <message>
        <source>Копировать картинку</source>
        <translation>Copy picture</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Сохранить картинку окна</source>
        <translation>Save the window&apos;s picture</translation>
    </message>
    <message>
        <source>Картинки PNG (*.png)</source>
        <translation>PNG pictures (*.png)</translation>
    </message>
    <message>
        <source>Картинка не сохранена</source>
        <translation>Picture not saved</translation>
    </message>
    <message>
        <source>Картинку окна не удалось сохранить в файл «%1»: %2. Прежний файл с этим именем, если он был, не изменился.</source>
        <translation>The window&apos;s picture could not be saved to the file &apos;%1&apos;: %2. An earlier file of that name, if there was one, is unchanged.</translation>
    </message>
    <message>
        <source>Velmora — пауза</source>
        <translation>Velmora — paused</translation>
    </message>
    <message>
        <source>Velmora — ×1/%1</source>
        <translation>Velmora — ×1/%1</translation>
    </message>
    <message>
        <source>Крупнее</source>
        <translation>Larger</translation>
    </message>
    <message>
        <source>Мельче</source>
        <translation>Smaller</translation>
    </message>
    <message>
        <source>Исходный размер</source>
        <translation>Original size</translation>
    </message>
    <message>
        <source>По размеру экрана</source>
        <translation>Fit the screen</translation>
    </message>
    <message>
        <source>Во весь экран</source>
        <translation>Full screen</translation>
    </message>
    <message>
        <source>Сбросить вид: исходный размер, русский язык</source>
        <translation>Reset the view: original size, Russian</translation>
    </message>
    <message>
        <source>Векторная диаграмма</source>
        <translation>Phasor diagram</translation>
    </message>
    <message>
        <source>Картинки JPEG (*.jpg *.jpeg)</source>
        <translation>JPEG pictures (*.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Картинки BMP (*.bmp)</source>
        <translation>BMP pictures (*.bmp)</translation>
    </message>
    <message>
        <source>Элемент цепи</source>
        <translation>Circuit element</translation>
    </message>
    <message>
        <source>Катушка</source>
        <translation>Coil</translation>
    </message>
    <message>
        <source>Конденсатор</source>
        <translation>Capacitor</translation>
    </message>
    <message>
        <source>Резистор</source>
        <translation>Resistor</translation>
    </message>
    <message>
        <source>Сравнить три элемента</source>
        <translation>Compare the three elements</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>velmora: %1. Список параметров: velmora --help</source>
        <translation>velmora: %1. For the list of options: velmora --help</translation>
    </message>
    <message>
        <source>Velmora: катушка (индуктивность) в цепи переменного тока, демонстрация для урока физики.</source>
        <translation>Velmora: a coil (inductance) in an alternating-current circuit, a demonstration for the physics lesson.</translation>
    </message>
    <message>
        <source>язык</source>
        <translation>language</translation>
    </message>
    <message>
        <source>Наибольший масштаб, при котором окно с рамкой помещается на экране.</source>
        <translation>The largest scale at which the window with its frame fits the screen.</translation>
    </message>
    <message>
        <source>лишний аргумент «%1»</source>
        <translation>unexpected argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>язык «%1» не знаком: можно ru или en</source>
        <translation>unknown language &apos;%1&apos;: use ru or en</translation>
    </message>
    <message>
        <source>--scale и --fit вместе не задаются: выберите одно</source>
        <translation>--scale and --fit cannot be used together: choose one</translation>
    </message>
    <message>
        <source>Показать эту справку.</source>
        <translation>Show this help.</translation>
    </message>
    <message>
        <source>Показать название и версию программы.</source>
        <translation>Show the name and version of the program.</translation>
    </message>
    <message>
        <source>Язык окна: ru или en; без него тот, что выбран в прошлый раз, а сначала ru.</source>
        <translation>Language of the window: ru or en; without it the one chosen last time, and ru at first.</translation>
    </message>
    <message>
        <source>Окно в F раз больше или меньше, для проектора: F от 0.5 до 4, можно дробное (1.5).</source>
        <translation>The window F times larger or smaller, for a projector: F from 0.5 to 4, decimals allowed (1.5).</translation>
    </message>
    <message>
        <source>масштаб «%1» не подходит: нужно число от 0.5 до 4</source>
        <translation>scale &apos;%1&apos; is not possible: give a number from 0.5 to 4</translation>
    </message>
    <message>
        <source>Элемент цепи: coil (катушка), capacitor (конденсатор) или resistor (резистор); без него тот, что выбран в прошлый раз, а сначала катушка.</source>
        <translation>The circuit element: coil, capacitor or resistor; without it the one chosen last time, at first the coil.</translation>
    </message>
    <message>
        <source>элемент</source>
        <translation>element</translation>
    </message>
    <message>
        <source>элемент «%1» не знаком: можно coil, capacitor или resistor</source>
        <translation>the element &apos;%1&apos; is not known: coil, capacitor or resistor</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>Velmora показывает классу на проекторе, как катушка ведёт себя в цепи переменного тока. Генератор подаёт на катушку напряжение u = U·cos ωt; ток через катушку, i = U/(ωL)·sin ωt, отстаёт от напряжения на четверть периода, а мощность u·i колеблется около нуля с удвоенной частотой генератора: катушка берёт энергию у генератора и всю отдаёт обратно.</source>
        <translation>Velmora shows a class on the projector how a coil behaves in an alternating-current circuit. A generator drives the coil with the voltage u = U·cos ωt; the current through the coil, i = U/(ωL)·sin ωt, lags the voltage by a quarter period, and the power u·i swings around zero at twice the generator&apos;s frequency: the coil takes energy from the generator and gives all of it back.</translation>
    </message>
    <message>
        <source>Пока идёт демонстрация, провода раскаляются от белого до красного вместе с током, заряды бегут по цепи туда и обратно, стрелки вольтметра и амперметра качаются, а напряжение, ток и мощность чертятся графиками во времени.</source>
        <translation>While the demonstration runs, the wires glow from white to red with the current, the charges flow back and forth along the circuit, the needles of the voltmeter and the ammeter swing, and the voltage, current and power are traced as time graphs.</translation>
    </message>
    <message>
        <source>Катушка, конденсатор, резистор в цепи переменного тока</source>
        <translation>Coil, capacitor, resistor in an AC circuit</translation>
    </message>
    <message>
        <source>Катушка, конденсатор и резистор в цепи переменного тока: демонстрация для урока физики</source>
        <translation>A coil, a capacitor and a resistor in an alternating-current circuit: a demonstration for the physics lesson</translation>
    </message>
    <message>
        <source>катушка;индуктивность;конденсатор;ёмкость;резистор;сопротивление;переменный ток;</source>
        <translation>coil;inductance;capacitor;capacitance;resistor;resistance;alternating current;</translation>
    </message>
    <message>
        <source>Вместо катушки в цепь можно поставить конденсатор, ток через который опережает напряжение на четверть периода, или резистор, ток через который идёт в ногу с напряжением, а мощность не бывает меньше нуля, и сравнить токи всех трёх на одном графике и на векторной диаграмме.</source>
        <translation>In place of the coil a capacitor can stand in the circuit, whose current leads the voltage by a quarter period, or a resistor, whose current is in step with the voltage and whose power is never below zero; and the currents of all three can be compared on one graph and on the phasor diagram.</translation>
    </message>
    <message>
        <source>Ползунки задают частоту и амплитуду генератора и величину элемента, также во время демонстрации. Окно по-русски, а с параметром --lang en по-английски.</source>
        <translation>Sliders set the generator&apos;s frequency and amplitude and the element&apos;s value, also while the demonstration runs. The window is in Russian, or in English with the option --lang en.</translation>
    </message>
</context>
<context>
    <name>HelpPage</name>
    <message>
        <source>&lt;h3&gt;Команды и клавиши&lt;/h3&gt;</source>
        <translation>&lt;h3&gt;Commands and keys&lt;/h3&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Параметры командной строки&lt;/h3&gt;</source>
        <translation>&lt;h3&gt;Command-line options&lt;/h3&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Клавиши действуют, где бы ни был фокус, и в окне справки тоже, в любой раскладке клавиатуры: важно место клавиши, а не буква на ней (в русской раскладке P — это З, Ctrl+S — Ctrl+Ы). Пауза останавливает мгновение, а после продолжения демонстрация идёт с него же; пока время не обычное, в правом верхнем углу окна крупно видно «ПАУЗА» или скорость. При замедлении графики те же, только рисуются медленнее. Выбранная скорость остаётся до конца работы программы; выключатель снимает паузу. Пока открыт диалог сохранения картинки, демонстрация стоит.&lt;/p&gt;&lt;p&gt;Для проектора окно делается крупнее и мельче (Ctrl и «+», «-», «0»), по размеру экрана или во весь экран (F11; Esc или F11 возвращают окно). Окно, развёрнутое на весь экран, показывает картину так же, только крупно и по центру. Размер окна и язык (русский или английский) запоминаются до следующего запуска; «Сбросить вид» возвращает исходный размер и русский язык. Справка закрывается клавишей Esc или Ctrl+W.&lt;/p&gt;</source>
        <translation>&lt;p&gt;The keys work wherever the focus is, in the help window too, and in every keyboard layout: what counts is the key&apos;s place, not the letter on it (in the Russian layout P is З, Ctrl+S is Ctrl+Ы). A pause freezes the instant, and when it continues the demonstration goes on from that instant; while time is not normal, the top right corner of the window shows PAUSED or the speed in large letters. Slowed down, the graphs are the same, only drawn more slowly. The chosen speed stays until the program ends; the switch ends a pause. While the dialog for saving the picture is open, the demonstration stands still.&lt;/p&gt;&lt;p&gt;For a projector the window is made larger and smaller (Ctrl with +, - and 0), fitted to the screen or shown full screen (F11; Esc or F11 bring the window back). Maximized, the window shows the same picture, only large and centred. The window&apos;s size and its language (Russian or English) are remembered for the next start; Reset the view goes back to the original size and Russian. Esc or Ctrl+W closes the help.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Катушка, конденсатор и резистор в цепи переменного тока&lt;/h2&gt;&lt;h3&gt;Что показывает демонстрация&lt;/h3&gt;&lt;p&gt;Генератор подаёт на катушку напряжение &lt;i&gt;u&lt;/i&gt; = U&lt;sub&gt;m&lt;/sub&gt;·cos ω&lt;i&gt;t&lt;/i&gt;. Ток через катушку &lt;i&gt;i&lt;/i&gt; = U&lt;sub&gt;m&lt;/sub&gt;/(ω&lt;i&gt;L&lt;/i&gt;)·sin ω&lt;i&gt;t&lt;/i&gt; отстаёт от напряжения на четверть периода: он наибольший, когда напряжение проходит через ноль. Мощность &lt;i&gt;u&lt;/i&gt;·&lt;i&gt;i&lt;/i&gt; колеблется с удвоенной частотой, поровну выше и ниже нуля, и в среднем равна нулю: катушка то берёт энергию у генератора, то отдаёт её обратно.&lt;/p&gt;&lt;p&gt;Провода краснеют с силой тока, заряды бегают по цепи туда и обратно, знаки «+» и «-» на клеммах генератора меняются с полярностью, стрелки вольтметра и амперметра качаются, а справа рисуются графики напряжения (синий), тока (красный) и мощности (чёрный); каждые 15 секунд они начинаются заново.&lt;/p&gt;&lt;h3&gt;Органы управления&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Частота&lt;/b&gt;: частота генератора, девять ступеней.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Амплитуда(U&lt;sub&gt;m&lt;/sub&gt;)&lt;/b&gt;: амплитуда напряжения генератора, от 1 до 10; в числах векторной диаграммы U&lt;sub&gt;m&lt;/sub&gt; — это положение ползунка, делённое на 10 (от 0,1 до 1).&lt;/li&gt;&lt;li&gt;Ползунок над катушкой: её индуктивность &lt;i&gt;L&lt;/i&gt;, от 1 до 10; в числах диаграммы &lt;i&gt;L&lt;/i&gt; — это положение ползунка, делённое на 2 (от 0,5 до 5). Над конденсатором и резистором он задаёт их ёмкость и сопротивление (ниже).&lt;/li&gt;&lt;li&gt;&lt;b&gt;Вкл.\Выкл.&lt;/b&gt;: запускает и останавливает демонстрацию; после остановки все приборы снова в покое.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Графики&lt;/b&gt;: показывает и прячет графики.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Выход&lt;/b&gt;: закрывает программу.&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;Ползунки действуют сразу, и во время демонстрации тоже. Правый щелчок по окну открывает меню со всеми командами, перечисленными ниже.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;A coil, a capacitor and a resistor in an alternating-current circuit&lt;/h2&gt;&lt;h3&gt;What the demonstration shows&lt;/h3&gt;&lt;p&gt;The generator drives the coil with the voltage &lt;i&gt;u&lt;/i&gt; = U&lt;sub&gt;m&lt;/sub&gt;·cos ω&lt;i&gt;t&lt;/i&gt;. The current through the coil, &lt;i&gt;i&lt;/i&gt; = U&lt;sub&gt;m&lt;/sub&gt;/(ω&lt;i&gt;L&lt;/i&gt;)·sin ω&lt;i&gt;t&lt;/i&gt;, lags the voltage by a quarter period: it is largest when the voltage passes through zero. The power &lt;i&gt;u&lt;/i&gt;·&lt;i&gt;i&lt;/i&gt; swings at twice the frequency, equally above and below zero, and averages to zero: the coil takes energy from the generator and gives it back again.&lt;/p&gt;&lt;p&gt;The wires turn red with the current, the charges run back and forth along the circuit, the “+” and “-” on the generator&apos;s terminals swap with the polarity, the voltmeter and ammeter needles swing, and on the right the graphs of the voltage (blue), the current (red) and the power (black) are traced; every 15 seconds they start again.&lt;/p&gt;&lt;h3&gt;Controls&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Freq.&lt;/b&gt;: the generator&apos;s frequency, in nine steps.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Max. value (U&lt;sub&gt;m&lt;/sub&gt;)&lt;/b&gt;: the amplitude of the generator&apos;s voltage, 1 to 10; in the numbers of the phasor diagram U&lt;sub&gt;m&lt;/sub&gt; is the slider&apos;s position divided by 10 (0.1 to 1).&lt;/li&gt;&lt;li&gt;The slider above the coil: its inductance &lt;i&gt;L&lt;/i&gt;, 1 to 10; in the diagram&apos;s numbers &lt;i&gt;L&lt;/i&gt; is the slider&apos;s position divided by 2 (0.5 to 5). Above the capacitor and the resistor it sets their capacitance and resistance (below).&lt;/li&gt;&lt;li&gt;&lt;b&gt;On\Off&lt;/b&gt;: starts and stops the demonstration; after a stop every instrument is at rest again.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Graphs&lt;/b&gt;: shows and hides the graphs.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Exit&lt;/b&gt;: closes the program.&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;The sliders take effect at once, also while the demonstration runs. A right click on the window opens a menu with all the commands listed below.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Конденсатор и резистор&lt;/h3&gt;&lt;p&gt;Клавиши C и R (или «Элемент цепи» в меню) ставят в цепь вместо катушки конденсатор или резистор, клавиша L — снова катушку; всё остальное в окне то же. Ток через конденсатор &lt;i&gt;i&lt;/i&gt; = −U&lt;sub&gt;m&lt;/sub&gt;·ω&lt;i&gt;C&lt;/i&gt;·sin ω&lt;i&gt;t&lt;/i&gt; опережает напряжение на четверть периода: он наибольший, когда напряжение, нарастая, проходит через ноль. Ёмкостное сопротивление X&lt;sub&gt;C&lt;/sub&gt; = 1/(ω&lt;i&gt;C&lt;/i&gt;) с ростом частоты падает, и ток растёт, а через катушку, наоборот, падает. Мощность, как у катушки, колеблется с удвоенной частотой около нуля: конденсатор то заряжается, то отдаёт энергию обратно. Ток через резистор &lt;i&gt;i&lt;/i&gt; = (U&lt;sub&gt;m&lt;/sub&gt;/&lt;i&gt;R&lt;/i&gt;)·cos ω&lt;i&gt;t&lt;/i&gt; совпадает с напряжением по фазе и от частоты не зависит; мощность &lt;i&gt;u&lt;/i&gt;·&lt;i&gt;i&lt;/i&gt; никогда не бывает меньше нуля и в среднем равна U&lt;sub&gt;m&lt;/sub&gt;·I&lt;sub&gt;m&lt;/sub&gt;/2: резистор берёт энергию и отдаёт её теплом.&lt;/p&gt;&lt;p&gt;Ползунок над элементом задаёт его величину от 1 до 10: у катушки &lt;i&gt;L&lt;/i&gt; — положение, делённое на 2, у конденсатора &lt;i&gt;C&lt;/i&gt; — положение, делённое на 100, у резистора &lt;i&gt;R&lt;/i&gt; — само положение, всё в условных единицах. Каждый элемент помнит своё положение ползунка; сначала конденсатор стоит на 10, резистор на 1. Элемент можно сменить и во время демонстрации: время идёт дальше без скачка, а кривые на графиках с этого места меняют вид, как при движении ползунка. Чтобы стрелка амперметра оставалась на шкале, а кривые — на графиках, на трёх самых низких частотах амперметр катушки показывает ток в 5, 3 и 1,7 раза мельче, амперметр конденсатора — в 5, 3,3 и 1,7 раза крупнее (предел ×0,2, ×0,3 и ×0,6), а амперметр резистора всегда вдвое мельче (предел ×2); числа векторной диаграммы называют предел, когда он не 1, и показывают сам ток.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;The capacitor and the resistor&lt;/h3&gt;&lt;p&gt;The keys C and R (or Circuit element in the menu) put a capacitor or a resistor into the circuit in place of the coil, the key L the coil again; everything else in the window stays the same. The current through the capacitor, &lt;i&gt;i&lt;/i&gt; = −U&lt;sub&gt;m&lt;/sub&gt;·ω&lt;i&gt;C&lt;/i&gt;·sin ω&lt;i&gt;t&lt;/i&gt;, leads the voltage by a quarter period: it is largest when the voltage passes through zero on its way up. The capacitive reactance X&lt;sub&gt;C&lt;/sub&gt; = 1/(ω&lt;i&gt;C&lt;/i&gt;) falls as the frequency rises, and the current grows, while the coil&apos;s falls. The power, as the coil&apos;s, swings at twice the frequency around zero: the capacitor charges and gives the energy back in turn. The current through the resistor, &lt;i&gt;i&lt;/i&gt; = (U&lt;sub&gt;m&lt;/sub&gt;/&lt;i&gt;R&lt;/i&gt;)·cos ω&lt;i&gt;t&lt;/i&gt;, is in step with the voltage and does not depend on the frequency; the power &lt;i&gt;u&lt;/i&gt;·&lt;i&gt;i&lt;/i&gt; is never below zero and averages U&lt;sub&gt;m&lt;/sub&gt;·I&lt;sub&gt;m&lt;/sub&gt;/2: the resistor takes energy and gives it off as heat.&lt;/p&gt;&lt;p&gt;The slider above the element sets its value from 1 to 10: the coil&apos;s &lt;i&gt;L&lt;/i&gt; is the position divided by 2, the capacitor&apos;s &lt;i&gt;C&lt;/i&gt; the position divided by 100, the resistor&apos;s &lt;i&gt;R&lt;/i&gt; the position itself, all in arbitrary units. Each element keeps its own position of the slider; at first the capacitor&apos;s is 10, the resistor&apos;s 1. The element can be changed during the demonstration too: the time goes on without a jump, and from that point the curves on the graphs change their shape, as when a slider moves. So that the ammeter&apos;s needle stays on its scale and the curves on their graphs, at the three lowest frequencies the coil&apos;s ammeter shows the current 5, 3 and 1.7 times smaller, the capacitor&apos;s 5, 3.3 and 1.7 times larger (ranges ×0.2, ×0.3 and ×0.6), and the resistor&apos;s always half as large (range ×2); the numbers of the phasor diagram name the range where it is not 1, and show the current itself.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Три элемента вместе&lt;/h3&gt;&lt;p&gt;Клавиша 3 (или «Сравнить три элемента» в меню) показывает на графике тока токи всех трёх элементов от одного и того же генератора, каждый своим цветом: катушки красным, конденсатора зелёным, резистора фиолетовым, с подписями в углу графика; каждый при своём положении ползунка и на пределе своего амперметра. Векторная диаграмма показывает тогда три стрелки тока против одной стрелки напряжения, а числа под ней — величину и амплитуду тока каждого элемента. Это картина, которой урок заканчивается: ток резистора идёт в ногу с напряжением, ток катушки отстаёт на четверть периода, ток конденсатора на четверть периода опережает. Остальное в окне показывает элемент, стоящий в цепи; клавиша 3 ещё раз убирает сравнение.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;The three together&lt;/h3&gt;&lt;p&gt;The key 3 (or Compare the three elements in the menu) shows on the current&apos;s graph the currents of all three elements driven by the same generator, each in its colour: the coil&apos;s red, the capacitor&apos;s green, the resistor&apos;s violet, named in the graph&apos;s corner; each at its own slider position and on its own ammeter&apos;s range. The phasor diagram then shows three current arrows against the one voltage arrow, and the numbers below it each element&apos;s value and current amplitude. This is the picture that ends the lesson: the resistor&apos;s current is in step with the voltage, the coil&apos;s a quarter period behind, the capacitor&apos;s a quarter period ahead. The rest of the window shows the element in the circuit; the key 3 again takes the comparison away.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Векторная диаграмма и числа&lt;/h3&gt;&lt;p&gt;Клавиша V (или «Векторная диаграмма» в меню) открывает справа от графиков диаграмму: синяя стрелка напряжения и красная стрелка тока вращаются против часовой стрелки с угловой частотой ω; угол между ними — сдвиг фаз φ: у катушки ток на четверть оборота позади (φ = 90°, π/2), у конденсатора на четверть оборота впереди (φ = −90°), у резистора вместе с напряжением (φ = 0). Их проекции на вертикальную ось (пунктир) — это в каждое мгновение напряжение &lt;i&gt;u&lt;/i&gt; = U&lt;sub&gt;m&lt;/sub&gt;·cos ω&lt;i&gt;t&lt;/i&gt; и ток &lt;i&gt;i&lt;/i&gt; = I&lt;sub&gt;m&lt;/sub&gt;·sin ω&lt;i&gt;t&lt;/i&gt;, те же, что рисуют графики. Как и у графиков, у каждой стрелки свой масштаб, чтобы обе были видны при любых настройках: стрелка напряжения — от двух третей до девяти десятых радиуса, стрелка тока — от половины до трёх пятых, так что ток резистора, идущий в ногу с напряжением, виден рядом с ним. Пунктирный круг — радиус, которому соответствуют числа в строке «радиус» под диаграммой: например, «радиус: U&lt;sub&gt;m&lt;/sub&gt; 0,6, I&lt;sub&gt;m&lt;/sub&gt; 0,25» значит, что стрелка напряжения длиной в радиус была бы 0,6, а тока — 0,25. На паузе и при замедлении диаграмма стоит и движется вместе с графиками; при выключенной демонстрации показывает начальное мгновение и сразу следует за ползунками.&lt;/p&gt;&lt;p&gt;Под диаграммой: угловая частота ω, частота ν = ω/2π, период T = 1/ν, индуктивность L, амплитуда напряжения U&lt;sub&gt;m&lt;/sub&gt;, индуктивное сопротивление X&lt;sub&gt;L&lt;/sub&gt; = ωL, амплитуда тока I&lt;sub&gt;m&lt;/sub&gt; = U&lt;sub&gt;m&lt;/sub&gt;/X&lt;sub&gt;L&lt;/sub&gt;, действующие значения U = U&lt;sub&gt;m&lt;/sub&gt;/√2 и I = I&lt;sub&gt;m&lt;/sub&gt;/√2, сдвиг фаз φ, амплитуда мощности P&lt;sub&gt;m&lt;/sub&gt; = U&lt;sub&gt;m&lt;/sub&gt;·I&lt;sub&gt;m&lt;/sub&gt;/2 (мощность колеблется с частотой 2ν и в среднем равна нулю) и значения &lt;i&gt;u&lt;/i&gt;, &lt;i&gt;i&lt;/i&gt;, &lt;i&gt;p&lt;/i&gt; = &lt;i&gt;u&lt;/i&gt;·&lt;i&gt;i&lt;/i&gt; в показанное мгновение. У конденсатора вместо L и X&lt;sub&gt;L&lt;/sub&gt; — ёмкость C и ёмкостное сопротивление X&lt;sub&gt;C&lt;/sub&gt; = 1/(ωC), у резистора — его сопротивление R, и средняя мощность у него равна U&lt;sub&gt;m&lt;/sub&gt;·I&lt;sub&gt;m&lt;/sub&gt;/2. У ползунков нет физических единиц, поэтому L, U&lt;sub&gt;m&lt;/sub&gt;, X&lt;sub&gt;L&lt;/sub&gt;, I&lt;sub&gt;m&lt;/sub&gt; и всё, что из них следует, даны в условных единицах программы (усл. ед.): U&lt;sub&gt;m&lt;/sub&gt; — положение ползунка амплитуды, делённое на 10, L — положение ползунка индуктивности, делённое на 2. На трёх самых низких частотах амперметр и график тока показывают ток в 5, 3 и 1,7 раза мельче, а числа — сам ток. Числа округлены до трёх значащих цифр.&lt;/p&gt;&lt;p&gt;С клавиатуры диаграмма — одна остановка клавиши Tab; клавиши со стрелками вверх и вниз переходят от числа к числу, и программа чтения с экрана читает каждое: название, значение, единицу. Ctrl+C, пока диаграмма или её число в фокусе, копирует числа текстом, по одной величине в строке.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;The phasor diagram and the numbers&lt;/h3&gt;&lt;p&gt;The key V (or Phasor diagram in the menu) opens a diagram to the right of the graphs: the blue arrow of the voltage and the red arrow of the current turn counter-clockwise at the angular frequency ω; the angle between them is the phase difference φ: for the coil the current is a quarter turn behind (φ = 90°, π/2), for the capacitor a quarter turn ahead (φ = −90°), for the resistor in step with the voltage (φ = 0). Their projections onto the upright axis (dashed) are at every instant the voltage &lt;i&gt;u&lt;/i&gt; = U&lt;sub&gt;m&lt;/sub&gt;·cos ω&lt;i&gt;t&lt;/i&gt; and the current &lt;i&gt;i&lt;/i&gt; = I&lt;sub&gt;m&lt;/sub&gt;·sin ω&lt;i&gt;t&lt;/i&gt;, the same as the graphs trace. As on the graphs, each arrow has a scale of its own, so that both show whatever the settings: the voltage&apos;s arrow from two thirds to nine tenths of the radius, the current&apos;s from a half to three fifths, so that a resistor&apos;s current, in step with the voltage, shows beside it. The dashed circle is the radius that the numbers of the line “radius” below the diagram stand for: “radius: U&lt;sub&gt;m&lt;/sub&gt; 0.6, I&lt;sub&gt;m&lt;/sub&gt; 0.25”, say, means that a voltage arrow as long as the radius would be 0.6, and a current arrow 0.25. Paused and slowed down, the diagram stands and moves with the graphs; with the demonstration off it shows the start instant and follows the sliders at once.&lt;/p&gt;&lt;p&gt;Below the diagram: the angular frequency ω, the frequency ν = ω/2π, the period T = 1/ν, the inductance L, the voltage&apos;s amplitude U&lt;sub&gt;m&lt;/sub&gt;, the inductive reactance X&lt;sub&gt;L&lt;/sub&gt; = ωL, the current&apos;s amplitude I&lt;sub&gt;m&lt;/sub&gt; = U&lt;sub&gt;m&lt;/sub&gt;/X&lt;sub&gt;L&lt;/sub&gt;, the effective values U = U&lt;sub&gt;m&lt;/sub&gt;/√2 and I = I&lt;sub&gt;m&lt;/sub&gt;/√2, the phase difference φ, the power&apos;s amplitude P&lt;sub&gt;m&lt;/sub&gt; = U&lt;sub&gt;m&lt;/sub&gt;·I&lt;sub&gt;m&lt;/sub&gt;/2 (the power swings at the frequency 2ν and averages to zero) and the values &lt;i&gt;u&lt;/i&gt;, &lt;i&gt;i&lt;/i&gt;, &lt;i&gt;p&lt;/i&gt; = &lt;i&gt;u&lt;/i&gt;·&lt;i&gt;i&lt;/i&gt; at the instant shown. For the capacitor, the capacitance C and the capacitive reactance X&lt;sub&gt;C&lt;/sub&gt; = 1/(ωC) take the places of L and X&lt;sub&gt;L&lt;/sub&gt;; for the resistor, its resistance R, and its power averages U&lt;sub&gt;m&lt;/sub&gt;·I&lt;sub&gt;m&lt;/sub&gt;/2. The sliders have no physical units, so L, U&lt;sub&gt;m&lt;/sub&gt;, X&lt;sub&gt;L&lt;/sub&gt;, I&lt;sub&gt;m&lt;/sub&gt; and all that follows from them are in the program&apos;s own arbitrary units (arb. u.): U&lt;sub&gt;m&lt;/sub&gt; is the amplitude slider&apos;s position divided by 10, L the inductance slider&apos;s position divided by 2. At the three lowest frequencies the ammeter and the current&apos;s graph show the current 5, 3 and 1.7 times smaller; the numbers show the current itself. The numbers are rounded to three significant figures.&lt;/p&gt;&lt;p&gt;From the keyboard the diagram is one stop of the Tab key; the up and down arrow keys go from number to number, and a screen reader reads each: name, value, unit. Ctrl+C while the diagram or one of its numbers has the focus copies the numbers as text, one quantity a line.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Velmora — справка</source>
        <translation>Velmora — help</translation>
    </message>
</context>
<context>
    <name>PauseBadge</name>
    <message>
        <source>ПАУЗА</source>
        <translation>PAUSED</translation>
    </message>
</context>
<context>
    <name>PhasorPanel</name>
    <message>
        <source>Векторная диаграмма</source>
        <translation>Phasor diagram</translation>
    </message>
    <message>
        <source>Стрелка напряжения (синяя) и стрелки токов катушки, конденсатора и резистора, каждая своим цветом, вращаются против часовой стрелки: ток катушки отстаёт на четверть оборота, ток конденсатора опережает на четверть оборота, ток резистора совпадает по фазе. Числа под диаграммой читаются по одному клавишами со стрелками вверх и вниз.</source>
        <translation>The voltage&apos;s arrow (blue) and the currents&apos; arrows of the coil, the capacitor and the resistor, each in its colour, turn counter-clockwise: the coil&apos;s current is a quarter turn behind, the capacitor&apos;s a quarter turn ahead, the resistor&apos;s in step. The up and down arrow keys read the numbers below the diagram one by one.</translation>
    </message>
    <message>
        <source>Стрелки напряжения (синяя) и тока (красная) вращаются против часовой стрелки; угол между ними — сдвиг фаз φ. Их проекции на вертикальную ось — напряжение и ток в это мгновение. Числа под диаграммой читаются по одному клавишами со стрелками вверх и вниз.</source>
        <translation>The arrows of the voltage (blue) and the current (red) turn counter-clockwise; the angle between them is the phase difference φ. Their projections onto the upright axis are the voltage and the current at this instant. The up and down arrow keys read the numbers below the diagram one by one.</translation>
    </message>
</context>
<context>
    <name>Phasors</name>
    <message>
        <source>усл. ед.</source>
        <translation>arb. u.</translation>
    </message>
    <message>
        <source>ru_RU</source>
        <comment>the locale whose numbers the interface shows</comment>
        <translation>en_GB</translation>
    </message>
    <message>
        <source>рад/с</source>
        <translation>rad/s</translation>
    </message>
    <message>
        <source>Гц</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>с</source>
        <translation>s</translation>
    </message>
    <message>
        <source>радиан в секунду</source>
        <translation>radians per second</translation>
    </message>
    <message>
        <source>герц</source>
        <translation>hertz</translation>
    </message>
    <message>
        <source>секунд</source>
        <translation>seconds</translation>
    </message>
    <message>
        <source>условных единиц</source>
        <translation>arbitrary units</translation>
    </message>
    <message>
        <source>φ = 90°: ток отстаёт</source>
        <translation>φ = 90°: the current lags</translation>
    </message>
    <message>
        <source>угловая частота ω</source>
        <translation>angular frequency ω</translation>
    </message>
    <message>
        <source>частота ν</source>
        <translation>frequency ν</translation>
    </message>
    <message>
        <source>период T</source>
        <translation>period T</translation>
    </message>
    <message>
        <source>индуктивность L</source>
        <translation>inductance L</translation>
    </message>
    <message>
        <source>амплитуда напряжения U m</source>
        <translation>voltage amplitude U m</translation>
    </message>
    <message>
        <source>индуктивное сопротивление X L</source>
        <translation>inductive reactance X L</translation>
    </message>
    <message>
        <source>амплитуда тока I m</source>
        <translation>current amplitude I m</translation>
    </message>
    <message>
        <source>действующее напряжение U</source>
        <translation>effective voltage U</translation>
    </message>
    <message>
        <source>действующий ток I</source>
        <translation>effective current I</translation>
    </message>
    <message>
        <source>сдвиг фаз φ, 90, градусов: ток отстаёт от напряжения на четверть периода</source>
        <translation>phase difference φ, 90, degrees: the current lags the voltage by a quarter period</translation>
    </message>
    <message>
        <source>амплитуда мощности P m</source>
        <translation>power amplitude P m</translation>
    </message>
    <message>
        <source>напряжение u сейчас</source>
        <translation>voltage u now</translation>
    </message>
    <message>
        <source>ток i сейчас</source>
        <translation>current i now</translation>
    </message>
    <message>
        <source>мощность p сейчас</source>
        <translation>power p now</translation>
    </message>
    <message>
        <source>радиус: U&lt;sub&gt;m&lt;/sub&gt; %1, I&lt;sub&gt;m&lt;/sub&gt; %2</source>
        <translation>radius: U&lt;sub&gt;m&lt;/sub&gt; %1, I&lt;sub&gt;m&lt;/sub&gt; %2</translation>
    </message>
    <message>
        <source>радиус: Um %1, Im %2</source>
        <translation>radius: Um %1, Im %2</translation>
    </message>
    <message>
        <source>радиус круга: для напряжения %1, для тока %2, условных единиц</source>
        <translation>radius of the circle: for the voltage %1, for the current %2, arbitrary units</translation>
    </message>
    <message>
        <source>ёмкость C</source>
        <translation>capacitance C</translation>
    </message>
    <message>
        <source>ёмкостное сопротивление X C</source>
        <translation>capacitive reactance X C</translation>
    </message>
    <message>
        <source>φ = −90°: ток опережает напряжение</source>
        <translation>φ = −90°: the current leads the voltage</translation>
    </message>
    <message>
        <source>сдвиг фаз φ, минус 90, градусов: ток опережает напряжение на четверть периода</source>
        <translation>phase difference φ, minus 90, degrees: the current leads the voltage by a quarter period</translation>
    </message>
    <message>
        <source>сопротивление R</source>
        <translation>resistance R</translation>
    </message>
    <message>
        <source>φ = 0: совпадает по фазе</source>
        <translation>φ = 0: in phase</translation>
    </message>
    <message>
        <source>сдвиг фаз φ, 0, градусов: ток совпадает по фазе с напряжением</source>
        <translation>phase difference φ, 0, degrees: the current is in phase with the voltage</translation>
    </message>
    <message>
        <source>p: 2ν = %1 Гц, среднее %2</source>
        <translation>p: 2ν = %1 Hz, average %2</translation>
    </message>
    <message>
        <source>мощность колеблется с частотой 2 ν, %1, герц; средняя мощность %2, условных единиц</source>
        <translation>the power swings at the frequency 2 ν, %1, hertz; average power %2, arbitrary units</translation>
    </message>
    <message>
        <source>предел амперметра ×%1</source>
        <translation>ammeter range ×%1</translation>
    </message>
    <message>
        <source>предел амперметра и графика тока, умножить на %1</source>
        <translation>range of the ammeter and the current&apos;s graph, times %1</translation>
    </message>
    <message>
        <source>%1 = %2: I&lt;sub&gt;m&lt;/sub&gt; = %3</source>
        <translation>%1 = %2: I&lt;sub&gt;m&lt;/sub&gt; = %3</translation>
    </message>
    <message>
        <source>%1 = %2: Im = %3 %4</source>
        <translation>%1 = %2: Im = %3 %4</translation>
    </message>
    <message>
        <source>%1 %2, амплитуда тока, %3, %4</source>
        <translation>%1 %2, current amplitude, %3, %4</translation>
    </message>
    <message>
        <source>радиус: U&lt;sub&gt;m&lt;/sub&gt; %1, I&lt;sub&gt;m&lt;/sub&gt;: %2</source>
        <translation>radius: U&lt;sub&gt;m&lt;/sub&gt; %1, I&lt;sub&gt;m&lt;/sub&gt;: %2</translation>
    </message>
    <message>
        <source>радиус: Um %1, Im: %2</source>
        <translation>radius: Um %1, Im: %2</translation>
    </message>
    <message>
        <source>радиус круга: для напряжения %1, для токов %2, условных единиц</source>
        <translation>radius of the circle: for the voltage %1, for the currents %2, arbitrary units</translation>
    </message>
</context>
<context>
    <name>Remembered</name>
    <message>
        <source>velmora: настройки в «%1» не прочитать, они пропущены</source>
        <translation>velmora: the settings in &apos;%1&apos; cannot be read and are passed over</translation>
    </message>
</context>
<context>
    <name>Velmora</name>
    <message>
        <source>Выключатель</source>
        <translation>Power switch</translation>
    </message>
    <message>
        <source>Запускает и останавливает демонстрацию</source>
        <translation>Starts and stops the demonstration</translation>
    </message>
    <message>
        <source>Вольтметр</source>
        <translation>Voltmeter</translation>
    </message>
    <message>
        <source>Напряжение генератора: стрелка качается от нуля влево и вправо</source>
        <translation>The generator&apos;s voltage: the needle swings left and right of zero</translation>
    </message>
    <message>
        <source>Амперметр</source>
        <translation>Ammeter</translation>
    </message>
    <message>
        <source>Ток в катушке: стрелка качается от нуля влево и вправо, на четверть периода позже напряжения</source>
        <translation>The current through the coil: the needle swings left and right of zero, a quarter period after the voltage</translation>
    </message>
    <message>
        <source>Изменить частоту</source>
        <translation>Change the frequency</translation>
    </message>
    <message>
        <source>Частота генератора</source>
        <translation>Generator frequency</translation>
    </message>
    <message>
        <source>Изменить амплитуду колебаний</source>
        <translation>Change the amplitude of the oscillations</translation>
    </message>
    <message>
        <source>Амплитуда напряжения генератора</source>
        <translation>Generator voltage amplitude</translation>
    </message>
    <message>
        <source>Изменить индуктивность катушки</source>
        <translation>Change the inductance of the coil</translation>
    </message>
    <message>
        <source>Индуктивность катушки</source>
        <translation>Coil inductance</translation>
    </message>
    <message>
        <source>Графики</source>
        <translation>Graphs</translation>
    </message>
    <message>
        <source>Показывает и прячет графики напряжения, тока и мощности</source>
        <translation>Shows and hides the graphs of voltage, current and power</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Закрывает программу</source>
        <translation>Closes the program</translation>
    </message>
    <message>
        <source>Катушка (индуктивность ) в цепи переменного тока</source>
        <translation>A coil (inductance) in an alternating-current circuit</translation>
    </message>
    <message>
        <source>Генератор</source>
        <translation>Generator</translation>
    </message>
    <message>
        <source>Частота</source>
        <translation>Freq.</translation>
    </message>
    <message>
        <source>Амплитуда(U</source>
        <translation>Max. value (U</translation>
    </message>
    <message>
        <source>Вкл.\Выкл.</source>
        <translation>On\Off</translation>
    </message>
    <message>
        <source>Графики напряжения, тока и мощности</source>
        <translation>Graphs of voltage, current and power</translation>
    </message>
    <message>
        <source>Напряжение синим, ток красным, мощность чёрным, во времени; каждые 15 секунд графики начинаются слева заново</source>
        <translation>Voltage in blue, current in red, power in black, over time; every 15 seconds the graphs start again at the left</translation>
    </message>
    <message>
        <source>Конденсатор (ёмкость) в цепи переменного тока</source>
        <translation>A capacitor (capacitance) in an alternating-current circuit</translation>
    </message>
    <message>
        <source>Изменить ёмкость конденсатора</source>
        <translation>Change the capacitance of the capacitor</translation>
    </message>
    <message>
        <source>Ёмкость конденсатора</source>
        <translation>Capacitor capacitance</translation>
    </message>
    <message>
        <source>Резистор (активное сопротивление) в цепи переменного тока</source>
        <translation>A resistor (resistance) in an alternating-current circuit</translation>
    </message>
    <message>
        <source>Изменить сопротивление резистора</source>
        <translation>Change the resistance of the resistor</translation>
    </message>
    <message>
        <source>Сопротивление резистора</source>
        <translation>Resistor resistance</translation>
    </message>
    <message>
        <source>катушка</source>
        <translation>coil</translation>
    </message>
    <message>
        <source>конденсатор</source>
        <translation>capacitor</translation>
    </message>
    <message>
        <source>резистор</source>
        <translation>resistor</translation>
    </message>
</context>
<context>
    <name>WindowPicture</name>
    <message>
        <source>папки «%1» нет</source>
        <translation>there is no folder &apos;%1&apos;</translation>
    </message>
    <message>
        <source>папка «%1» на диске, открытом только для чтения</source>
        <translation>the folder &apos;%1&apos; is on a disk that is open for reading only</translation>
    </message>
    <message>
        <source>нет права записывать в папку «%1»</source>
        <translation>no permission to write into the folder &apos;%1&apos;</translation>
    </message>
    <message>
        <source>файл защищён от записи</source>
        <translation>the file is protected against writing</translation>
    </message>
</context>
<context>
    <name>WindowSystemGuard</name>
    <message>
        <source>нет дисплея (DISPLAY и WAYLAND_DISPLAY не заданы)</source>
        <translation>no display (DISPLAY and WAYLAND_DISPLAY are not set)</translation>
    </message>
    <message>
        <source>дисплей «%1» недоступен</source>
        <translation>display &apos;%1&apos; cannot be reached</translation>
    </message>
    <message>
        <source>velmora: окно не открыть: %1. Запустите программу в графическом сеансе, а без него так: xvfb-run velmora</source>
        <translation>velmora: cannot open the window: %1. Start it in a desktop session, or without one as: xvfb-run velmora</translation>
    </message>
    <message>
        <source>velmora: окно не открыть: графическая система Qt не запустилась: %1</source>
        <translation>velmora: cannot open the window: the windowing system of Qt did not start: %1</translation>
    </message>
</context>
</TS>
