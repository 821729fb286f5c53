<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="ru">
<context>
    <name>app::Form21</name>
    <message>
        <source>Пауза</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Продолжить</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Во весь экран</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>Обычное окно</source>
        <translation>Fenstermodus</translation>
    </message>
    <message>
        <source>Замедление ×%1</source>
        <translation>Zeitlupe ×%1</translation>
    </message>
    <message>
        <source>Ускорение ×%1</source>
        <translation>Zeitraffer ×%1</translation>
    </message>
    <message>
        <source>Шаг</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <source>Скорость</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Язык</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Электромагнитные колебания в контуре</source>
        <translation>Elektromagnetische Schwingungen im Schwingkreis</translation>
    </message>
    <message>
        <source>Катушка индуктивности</source>
        <translation>Spule</translation>
    </message>
    <message>
        <source>Конденсатор</source>
        <translation>Kondensator</translation>
    </message>
    <message>
        <source>Источник тока</source>
        <translation>Spannungsquelle</translation>
    </message>
    <message>
        <source>Активное сопротивление</source>
        <translation>Ohmscher Widerstand</translation>
    </message>
    <message>
        <source>Амперметр</source>
        <translation>Amperemeter</translation>
    </message>
    <message>
        <source>Вольтметр</source>
        <translation>Voltmeter</translation>
    </message>
    <message>
        <source>Пуск </source>
        <translation>Start </translation>
    </message>
    <message>
        <source>Стоп</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Зарядить конденсатор</source>
        <translation>Kondensator aufladen</translation>
    </message>
    <message>
        <source>Свободные электромагнитные колебания в LC-контуре</source>
        <translation>Freie elektromagnetische Schwingungen im LC-Kreis</translation>
    </message>
    <message>
        <source>Затухающие колебания в RLC-контуре</source>
        <translation>Gedämpfte Schwingung im RLC-Kreis</translation>
    </message>
    <message>
        <source>Энергия колебаний:</source>
        <translation>Energie im Kreis:</translation>
    </message>
    <message>
        <source>магнитная</source>
        <translation>magn.</translation>
    </message>
    <message>
        <source>электрическая</source>
        <translation>elektrisch</translation>
    </message>
    <message>
        <source>Напряжение </source>
        <translation>Spannung </translation>
    </message>
    <message>
        <source>Сила тока</source>
        <translation>Strom</translation>
    </message>
    <message>
        <source>Время колебания</source>
        <translation>Zeit t</translation>
    </message>
    <message>
        <source>Очистить</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Частота колебаний</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Зарядить конденсатор:</source>
        <translation>Aufladen:</translation>
    </message>
    <message>
        <source> быстро</source>
        <translation> schnell</translation>
    </message>
    <message>
        <source> медленно</source>
        <translation> langsam</translation>
    </message>
    <message>
        <source>Скрыть графики</source>
        <translation>Graphen ausblenden</translation>
    </message>
    <message>
        <source>Изменить частоту колебаний</source>
        <translation>Schwingungsfrequenz ändern</translation>
    </message>
    <message>
        <source>Изменить активное сопротивление</source>
        <translation>Ohmschen Widerstand ändern</translation>
    </message>
    <message>
        <source>Добавить активное сопротивление</source>
        <translation>Ohmschen Widerstand einbauen</translation>
    </message>
    <message>
        <source>Убрать активное сопротивление</source>
        <translation>Ohmschen Widerstand ausbauen</translation>
    </message>
    <message>
        <source>Показать графики</source>
        <translation>Graphen einblenden</translation>
    </message>
    <message>
        <source>Сброс</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Ende</translation>
    </message>
</context>
</TS>
