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
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>Энергия колебаний</source>
        <translation>Schwingungsenergie</translation>
    </message>
    <message>
        <source>Замедление в 10 раз</source>
        <translation>Zehnfach verlangsamt</translation>
    </message>
    <message>
        <source>Замедление в 5 раз</source>
        <translation>Fünffach verlangsamt</translation>
    </message>
    <message>
        <source>Замедление в 2 раза</source>
        <translation>Zweifach verlangsamt</translation>
    </message>
    <message>
        <source>Обычная скорость</source>
        <translation>Normale Geschwindigkeit</translation>
    </message>
    <message>
        <source>Ускорение в 2 раза</source>
        <translation>Zweifach beschleunigt</translation>
    </message>
    <message>
        <source>Ускорение в 5 раз</source>
        <translation>Fünffach beschleunigt</translation>
    </message>
    <message>
        <source>%1 % от максимума</source>
        <translation>%1 % des Maximums</translation>
    </message>
    <message>
        <source>Вся энергия в конденсаторе, тока нет.</source>
        <translation>Die ganze Energie ist im Kondensator, kein Strom.</translation>
    </message>
    <message>
        <source>Ток наибольший, вся энергия в катушке.</source>
        <translation>Der Strom ist am größten, die ganze Energie ist in der Spule.</translation>
    </message>
    <message>
        <source>Конденсатор перезаряжен, тока нет.</source>
        <translation>Der Kondensator ist umgeladen, kein Strom.</translation>
    </message>
    <message>
        <source>Ток наибольший, в обратную сторону.</source>
        <translation>Der Strom ist am größten, in Gegenrichtung.</translation>
    </message>
    <message>
        <source>Напряжение</source>
        <translation>Spannung</translation>
    </message>
    <message>
        <source>%1 % периода</source>
        <translation>%1 % der Periode</translation>
    </message>
    <message>
        <source>Электрическая энергия</source>
        <translation>Elektrische Energie</translation>
    </message>
    <message>
        <source>Магнитная энергия</source>
        <translation>Magnetische Energie</translation>
    </message>
    <message>
        <source>Частота колебаний: период %1 с</source>
        <translation>Schwingungsfrequenz: Periodendauer %1 s</translation>
    </message>
    <message>
        <source>Активное сопротивление: %1 из 5</source>
        <translation>Ohmscher Widerstand: %1 von 5</translation>
    </message>
    <message>
        <source>Панель управления</source>
        <translation>Bedienfeld</translation>
    </message>
    <message>
        <source>График напряжения и силы тока</source>
        <translation>Diagramm von Spannung und Stromstärke</translation>
    </message>
    <message>
        <source>Показания</source>
        <translation>Messwerte</translation>
    </message>
    <message>
        <source>Пауза.</source>
        <translation>Pause.</translation>
    </message>
    <message>
        <source>Продолжение.</source>
        <translation>Es geht weiter.</translation>
    </message>
    <message>
        <source>Зарядка конденсатора началась. До остановки нет сброса.</source>
        <translation>Der Kondensator wird geladen. Bis zum Stopp kein Zurücksetzen.</translation>
    </message>
    <message>
        <source>Конденсатор заряжен.</source>
        <translation>Der Kondensator ist geladen.</translation>
    </message>
    <message>
        <source>Колебания начались. До остановки нет зарядки, сброса и сопротивления.</source>
        <translation>Die Schwingungen haben begonnen. Bis zum Stopp kein Laden, kein Zurücksetzen und kein Widerstand.</translation>
    </message>
    <message>
        <source>Колебания закончились: время опыта истекло.</source>
        <translation>Die Schwingungen sind beendet: Die Versuchszeit ist abgelaufen.</translation>
    </message>
    <message>
        <source>Урок окончен</source>
        <translation>Die Stunde ist beendet</translation>
    </message>
    <message>
        <source>Программа «%1» завершена.</source>
        <translation>Das Programm „%1“ ist beendet.</translation>
    </message>
    <message>
        <source>Чтобы начать урок заново, обновите страницу: клавиша F5 или кнопка «Обновить» в браузере.</source>
        <translation>Um die Stunde neu zu beginnen, laden Sie die Seite neu: Taste F5 oder die Schaltfläche „Neu laden“ im Browser.</translation>
    </message>
</context>
</TS>
