<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>app::Form21</name>
    <message>
        <source>Пауза</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Продолжить</source>
        <translation>Resume</translation>
    </message>
    <message>
        <source>Во весь экран</source>
        <translation>Full screen</translation>
    </message>
    <message>
        <source>Обычное окно</source>
        <translation>Windowed</translation>
    </message>
    <message>
        <source>Замедление ×%1</source>
        <translation>Slower ×%1</translation>
    </message>
    <message>
        <source>Ускорение ×%1</source>
        <translation>Faster ×%1</translation>
    </message>
    <message>
        <source>Шаг</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>Скорость</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>Язык</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Электромагнитные колебания в контуре</source>
        <translation>Electromagnetic oscillations in a circuit</translation>
    </message>
    <message>
        <source>Катушка индуктивности</source>
        <translation>Inductor coil</translation>
    </message>
    <message>
        <source>Конденсатор</source>
        <translation>Capacitor</translation>
    </message>
    <message>
        <source>Источник тока</source>
        <translation>Power supply</translation>
    </message>
    <message>
        <source>Активное сопротивление</source>
        <translation>Resistance</translation>
    </message>
    <message>
        <source>Амперметр</source>
        <translation>Ammeter</translation>
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
        <translation>Stop</translation>
    </message>
    <message>
        <source>Зарядить конденсатор</source>
        <translation>Charge the capacitor</translation>
    </message>
    <message>
        <source>Свободные электромагнитные колебания в LC-контуре</source>
        <translation>Free electromagnetic oscillations in an LC circuit</translation>
    </message>
    <message>
        <source>Затухающие колебания в RLC-контуре</source>
        <translation>Damped oscillations in RLC circuit</translation>
    </message>
    <message>
        <source>Энергия колебаний:</source>
        <translation>Circuit energy:</translation>
    </message>
    <message>
        <source>магнитная</source>
        <translation>magnetic</translation>
    </message>
    <message>
        <source>электрическая</source>
        <translation>electric</translation>
    </message>
    <message>
        <source>Напряжение </source>
        <translation>Voltage </translation>
    </message>
    <message>
        <source>Сила тока</source>
        <translation>Current</translation>
    </message>
    <message>
        <source>Время колебания</source>
        <translation>Oscillation time</translation>
    </message>
    <message>
        <source>Очистить</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Частота колебаний</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <source>Зарядить конденсатор:</source>
        <translation>Charge capacitor:</translation>
    </message>
    <message>
        <source> быстро</source>
        <translation> quickly</translation>
    </message>
    <message>
        <source> медленно</source>
        <translation> slowly</translation>
    </message>
    <message>
        <source>Скрыть графики</source>
        <translation>Hide the graphs</translation>
    </message>
    <message>
        <source>Изменить частоту колебаний</source>
        <translation>Change the oscillation frequency</translation>
    </message>
    <message>
        <source>Изменить активное сопротивление</source>
        <translation>Change the resistance</translation>
    </message>
    <message>
        <source>Добавить активное сопротивление</source>
        <translation>Add a resistor</translation>
    </message>
    <message>
        <source>Убрать активное сопротивление</source>
        <translation>Remove the resistor</translation>
    </message>
    <message>
        <source>Показать графики</source>
        <translation>Show the graphs</translation>
    </message>
    <message>
        <source>Сброс</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>Энергия колебаний</source>
        <translation>Oscillation energy</translation>
    </message>
    <message>
        <source>Замедление в 10 раз</source>
        <translation>Slowed down ten times</translation>
    </message>
    <message>
        <source>Замедление в 5 раз</source>
        <translation>Slowed down five times</translation>
    </message>
    <message>
        <source>Замедление в 2 раза</source>
        <translation>Slowed down twice</translation>
    </message>
    <message>
        <source>Обычная скорость</source>
        <translation>Normal speed</translation>
    </message>
    <message>
        <source>Ускорение в 2 раза</source>
        <translation>Sped up twice</translation>
    </message>
    <message>
        <source>Ускорение в 5 раз</source>
        <translation>Sped up five times</translation>
    </message>
    <message>
        <source>%1 % от максимума</source>
        <translation>%1 % of maximum</translation>
    </message>
    <message>
        <source>Вся энергия в конденсаторе, тока нет.</source>
        <translation>All the energy is in the capacitor, no current.</translation>
    </message>
    <message>
        <source>Ток наибольший, вся энергия в катушке.</source>
        <translation>The current is greatest, all the energy is in the coil.</translation>
    </message>
    <message>
        <source>Конденсатор перезаряжен, тока нет.</source>
        <translation>The capacitor is charged the other way round, no current.</translation>
    </message>
    <message>
        <source>Ток наибольший, в обратную сторону.</source>
        <translation>The current is greatest, the other way round.</translation>
    </message>
    <message>
        <source>Напряжение</source>
        <translation>Voltage</translation>
    </message>
    <message>
        <source>%1 % периода</source>
        <translation>%1 % of the period</translation>
    </message>
    <message>
        <source>Электрическая энергия</source>
        <translation>Electric energy</translation>
    </message>
    <message>
        <source>Магнитная энергия</source>
        <translation>Magnetic energy</translation>
    </message>
    <message>
        <source>Частота колебаний: период %1 с</source>
        <translation>Oscillation frequency: period %1 s</translation>
    </message>
    <message>
        <source>Активное сопротивление: %1 из 5</source>
        <translation>Resistance: %1 of 5</translation>
    </message>
    <message>
        <source>Панель управления</source>
        <translation>Control panel</translation>
    </message>
    <message>
        <source>График напряжения и силы тока</source>
        <translation>Graph of voltage and current</translation>
    </message>
    <message>
        <source>Показания</source>
        <translation>Readings</translation>
    </message>
    <message>
        <source>Пауза.</source>
        <translation>Paused.</translation>
    </message>
    <message>
        <source>Продолжение.</source>
        <translation>Resumed.</translation>
    </message>
    <message>
        <source>Зарядка конденсатора началась. До остановки нет сброса.</source>
        <translation>The capacitor is charging. No reset until the stop.</translation>
    </message>
    <message>
        <source>Конденсатор заряжен.</source>
        <translation>The capacitor is charged.</translation>
    </message>
    <message>
        <source>Колебания начались. До остановки нет зарядки, сброса и сопротивления.</source>
        <translation>The oscillations have started. No charging, reset or resistance until the stop.</translation>
    </message>
    <message>
        <source>Колебания закончились: время опыта истекло.</source>
        <translation>The oscillations have ended: the experiment&apos;s time is up.</translation>
    </message>
    <message>
        <source>Урок окончен</source>
        <translation>The lesson is over</translation>
    </message>
    <message>
        <source>Программа «%1» завершена.</source>
        <translation>The program “%1” has ended.</translation>
    </message>
    <message>
        <source>Чтобы начать урок заново, обновите страницу: клавиша F5 или кнопка «Обновить» в браузере.</source>
        <translation>To start the lesson again, reload the page: the F5 key or the browser&apos;s Reload button.</translation>
    </message>
</context>
</TS>
