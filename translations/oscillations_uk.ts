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
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>Энергия колебаний</source>
        <translation>Енергія коливань</translation>
    </message>
    <message>
        <source>Замедление в 10 раз</source>
        <translation>Уповільнення в 10 разів</translation>
    </message>
    <message>
        <source>Замедление в 5 раз</source>
        <translation>Уповільнення в 5 разів</translation>
    </message>
    <message>
        <source>Замедление в 2 раза</source>
        <translation>Уповільнення в 2 рази</translation>
    </message>
    <message>
        <source>Обычная скорость</source>
        <translation>Звичайна швидкість</translation>
    </message>
    <message>
        <source>Ускорение в 2 раза</source>
        <translation>Прискорення в 2 рази</translation>
    </message>
    <message>
        <source>Ускорение в 5 раз</source>
        <translation>Прискорення в 5 разів</translation>
    </message>
    <message>
        <source>%1 % от максимума</source>
        <translation>%1 % від максимуму</translation>
    </message>
    <message>
        <source>Вся энергия в конденсаторе, тока нет.</source>
        <translation>Уся енергія в конденсаторі, струму немає.</translation>
    </message>
    <message>
        <source>Ток наибольший, вся энергия в катушке.</source>
        <translation>Струм найбільший, уся енергія в котушці.</translation>
    </message>
    <message>
        <source>Конденсатор перезаряжен, тока нет.</source>
        <translation>Конденсатор перезаряджений, струму немає.</translation>
    </message>
    <message>
        <source>Ток наибольший, в обратную сторону.</source>
        <translation>Струм найбільший, у зворотний бік.</translation>
    </message>
    <message>
        <source>Напряжение</source>
        <translation>Напруга</translation>
    </message>
    <message>
        <source>%1 % периода</source>
        <translation>%1 % періоду</translation>
    </message>
    <message>
        <source>Электрическая энергия</source>
        <translation>Електрична енергія</translation>
    </message>
    <message>
        <source>Магнитная энергия</source>
        <translation>Магнітна енергія</translation>
    </message>
    <message>
        <source>Частота колебаний: период %1 с</source>
        <translation>Частота коливань: період %1 с</translation>
    </message>
    <message>
        <source>Активное сопротивление: %1 из 5</source>
        <translation>Активний опір: %1 з 5</translation>
    </message>
    <message>
        <source>Панель управления</source>
        <translation>Панель керування</translation>
    </message>
    <message>
        <source>График напряжения и силы тока</source>
        <translation>Графік напруги і сили струму</translation>
    </message>
    <message>
        <source>Показания</source>
        <translation>Показання</translation>
    </message>
    <message>
        <source>Пауза.</source>
        <translation>Пауза.</translation>
    </message>
    <message>
        <source>Продолжение.</source>
        <translation>Продовження.</translation>
    </message>
    <message>
        <source>Зарядка конденсатора началась. До остановки нет сброса.</source>
        <translation>Заряджання конденсатора почалося. До зупинки скидання немає.</translation>
    </message>
    <message>
        <source>Конденсатор заряжен.</source>
        <translation>Конденсатор заряджено.</translation>
    </message>
    <message>
        <source>Колебания начались. До остановки нет зарядки, сброса и сопротивления.</source>
        <translation>Коливання почалися. До зупинки немає заряджання, скидання й опору.</translation>
    </message>
    <message>
        <source>Колебания закончились: время опыта истекло.</source>
        <translation>Коливання закінчилися: час досліду минув.</translation>
    </message>
    <message>
        <source>Урок окончен</source>
        <translation>Урок закінчено</translation>
    </message>
    <message>
        <source>Программа «%1» завершена.</source>
        <translation>Програму «%1» завершено.</translation>
    </message>
    <message>
        <source>Чтобы начать урок заново, обновите страницу: клавиша F5 или кнопка «Обновить» в браузере.</source>
        <translation>Щоб почати урок знову, оновіть сторінку: клавіша F5 або кнопка «Оновити» в браузері.</translation>
    </message>
</context>
</TS>
