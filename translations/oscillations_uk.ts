<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="ru">
<context>
    <name>app::Form21</name>
    <message>
        <source>Пауза</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Продолжить</source>
        <translation>Продовжити</translation>
    </message>
    <message>
        <source>Во весь экран</source>
        <translation>Повний екран</translation>
    </message>
    <message>
        <source>Обычное окно</source>
        <translation>У вікні</translation>
    </message>
    <message>
        <source>Замедление ×%1</source>
        <translation>Повільніше ×%1</translation>
    </message>
    <message>
        <source>Ускорение ×%1</source>
        <translation>Швидше ×%1</translation>
    </message>
    <message>
        <source>Шаг</source>
        <translation>Крок</translation>
    </message>
    <message>
        <source>Скорость</source>
        <translation>Темп</translation>
    </message>
    <message>
        <source>Язык</source>
        <translation>Мова</translation>
    </message>
    <message>
        <source>Электромагнитные колебания в контуре</source>
        <translation>Електромагнітні коливання в контурі</translation>
    </message>
    <message>
        <source>Катушка индуктивности</source>
        <translation>Котушка індуктивності</translation>
    </message>
    <message>
        <source>Конденсатор</source>
        <translation>Конденсатор</translation>
    </message>
    <message>
        <source>Источник тока</source>
        <translation>Джерело струму</translation>
    </message>
    <message>
        <source>Активное сопротивление</source>
        <translation>Активний опір</translation>
    </message>
    <message>
        <source>Амперметр</source>
        <translation>Амперметр</translation>
    </message>
    <message>
        <source>Вольтметр</source>
        <translation>Вольтметр</translation>
    </message>
    <message>
        <source>Пуск </source>
        <translation>Пуск </translation>
    </message>
    <message>
        <source>Стоп</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Зарядить конденсатор</source>
        <translation>Зарядити конденсатор</translation>
    </message>
    <message>
        <source>Свободные электромагнитные колебания в LC-контуре</source>
        <translation>Вільні електромагнітні коливання в LC-контурі</translation>
    </message>
    <message>
        <source>Затухающие колебания в RLC-контуре</source>
        <translation>Згасаючі коливання в RLC-контурі</translation>
    </message>
    <message>
        <source>Энергия колебаний:</source>
        <translation>Енергія коливань:</translation>
    </message>
    <message>
        <source>магнитная</source>
        <translation>магнітна</translation>
    </message>
    <message>
        <source>электрическая</source>
        <translation>електрична</translation>
    </message>
    <message>
        <source>Напряжение </source>
        <translation>Напруга </translation>
    </message>
    <message>
        <source>Сила тока</source>
        <translation>Струм</translation>
    </message>
    <message>
        <source>Время колебания</source>
        <translation>Час коливання</translation>
    </message>
    <message>
        <source>Очистить</source>
        <translation>Стерти</translation>
    </message>
    <message>
        <source>Частота колебаний</source>
        <translation>Частота коливань</translation>
    </message>
    <message>
        <source>Зарядить конденсатор:</source>
        <translation>Зарядити:</translation>
    </message>
    <message>
        <source> быстро</source>
        <translation> хутко</translation>
    </message>
    <message>
        <source> медленно</source>
        <translation> повільно</translation>
    </message>
    <message>
        <source>Скрыть графики</source>
        <translation>Сховати графіки</translation>
    </message>
    <message>
        <source>Изменить частоту колебаний</source>
        <translation>Змінити частоту коливань</translation>
    </message>
    <message>
        <source>Изменить активное сопротивление</source>
        <translation>Змінити активний опір</translation>
    </message>
    <message>
        <source>Добавить активное сопротивление</source>
        <translation>Додати активний опір</translation>
    </message>
    <message>
        <source>Убрать активное сопротивление</source>
        <translation>Прибрати активний опір</translation>
    </message>
    <message>
        <source>Показать графики</source>
        <translation>Показати графіки</translation>
    </message>
    <message>
        <source>Сброс</source>
        <translation>Скинути</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Вихід</translation>
    </message>
</context>
</TS>
