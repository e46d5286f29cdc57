<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="ru_RU">
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
        <source>Язык окна: ru (по умолчанию) или en.</source>
        <translation>Language of the window: ru (the default) or en.</translation>
    </message>
    <message>
        <source>язык</source>
        <translation>language</translation>
    </message>
    <message>
        <source>Окно в F раз больше, для проектора: F от 1 до 4, можно дробное (1.5).</source>
        <translation>The window F times larger, for a projector: F from 1 to 4, decimals allowed (1.5).</translation>
    </message>
    <message>
        <source>Наибольший масштаб, при котором окно с рамкой помещается на экране.</source>
        <translation>The largest scale at which the window with its frame fits the screen.</translation>
    </message>
    <message>
        <source>лишний аргумент «%1»</source>
        <translation>unexpected argument '%1'</translation>
    </message>
    <message>
        <source>язык «%1» не знаком: можно ru или en</source>
        <translation>unknown language '%1': use ru or en</translation>
    </message>
    <message>
        <source>--scale и --fit вместе не задаются: выберите одно</source>
        <translation>--scale and --fit cannot be used together: choose one</translation>
    </message>
    <message>
        <source>масштаб «%1» не подходит: нужно число от 1 до 4</source>
        <translation>scale '%1' is not possible: give a number from 1 to 4</translation>
    </message>
    <message>
        <source>Показать эту справку.</source>
        <translation>Show this help.</translation>
    </message>
    <message>
        <source>Показать название и версию программы.</source>
        <translation>Show the name and version of the program.</translation>
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
        <translation>display '%1' cannot be reached</translation>
    </message>
    <message>
        <source>velmora: окно не открыть: %1. Запустите программу в графическом сеансе, а без него так: xvfb-run velmora</source>
        <translation>velmora: cannot open the window: %1. Start it in a desktop session, or without one as: xvfb-run velmora</translation>
    </message>
    <message>
        <source>velmora: окно не открыть: %1</source>
        <translation>velmora: cannot open the window: %1</translation>
    </message>
</context>
</TS>
