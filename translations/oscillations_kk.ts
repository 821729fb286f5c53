<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="kk" sourcelanguage="ru">
<context>
    <name>app::Form21</name>
    <message>
        <source>Пауза</source>
        <translation>Үзіліс</translation>
    </message>
    <message>
        <source>Продолжить</source>
        <translation>Жалғастыру</translation>
    </message>
    <message>
        <source>Во весь экран</source>
        <translation>Толық экран</translation>
    </message>
    <message>
        <source>Обычное окно</source>
        <translation>Терезеде</translation>
    </message>
    <message>
        <source>Замедление ×%1</source>
        <translation>Баяуырақ ×%1</translation>
    </message>
    <message>
        <source>Ускорение ×%1</source>
        <translation>Тезірек ×%1</translation>
    </message>
    <message>
        <source>Шаг</source>
        <translation>Қадам</translation>
    </message>
    <message>
        <source>Скорость</source>
        <translation>Қарқын</translation>
    </message>
    <message>
        <source>Язык</source>
        <translation>Тіл</translation>
    </message>
    <message>
        <source>Электромагнитные колебания в контуре</source>
        <translation>Контурдағы электромагниттік тербелістер</translation>
    </message>
    <message>
        <source>Катушка индуктивности</source>
        <translation>Индуктивтік катушка</translation>
    </message>
    <message>
        <source>Конденсатор</source>
        <translation>Конденсатор</translation>
    </message>
    <message>
        <source>Источник тока</source>
        <translation>Ток көзі</translation>
    </message>
    <message>
        <source>Активное сопротивление</source>
        <translation>Активті кедергі</translation>
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
        <translation>Іске қосу </translation>
    </message>
    <message>
        <source>Стоп</source>
        <translation>Тоқтату</translation>
    </message>
    <message>
        <source>Зарядить конденсатор</source>
        <translation>Конденсаторды зарядтау</translation>
    </message>
    <message>
        <source>Свободные электромагнитные колебания в LC-контуре</source>
        <translation>LC-контурдағы еркін электромагниттік тербелістер</translation>
    </message>
    <message>
        <source>Затухающие колебания в RLC-контуре</source>
        <translation>RLC-контурдағы өшетін тербелістер</translation>
    </message>
    <message>
        <source>Энергия колебаний:</source>
        <translation>Контур энергиясы:</translation>
    </message>
    <message>
        <source>магнитная</source>
        <translation>магниттік</translation>
    </message>
    <message>
        <source>электрическая</source>
        <translation>электрлік</translation>
    </message>
    <message>
        <source>Напряжение </source>
        <translation>Кернеу </translation>
    </message>
    <message>
        <source>Сила тока</source>
        <translation>Ток күші</translation>
    </message>
    <message>
        <source>Время колебания</source>
        <translation>Тербеліс уақыты</translation>
    </message>
    <message>
        <source>Очистить</source>
        <translation>Тазарту</translation>
    </message>
    <message>
        <source>Частота колебаний</source>
        <translation>Тербеліс жиілігі</translation>
    </message>
    <message>
        <source>Зарядить конденсатор:</source>
        <translation>Зарядтау:</translation>
    </message>
    <message>
        <source> быстро</source>
        <translation> тез</translation>
    </message>
    <message>
        <source> медленно</source>
        <translation> баяу</translation>
    </message>
    <message>
        <source>Скрыть графики</source>
        <translation>Графиктерді жасыру</translation>
    </message>
    <message>
        <source>Изменить частоту колебаний</source>
        <translation>Тербеліс жиілігін өзгерту</translation>
    </message>
    <message>
        <source>Изменить активное сопротивление</source>
        <translation>Активті кедергіні өзгерту</translation>
    </message>
    <message>
        <source>Добавить активное сопротивление</source>
        <translation>Активті кедергіні қосу</translation>
    </message>
    <message>
        <source>Убрать активное сопротивление</source>
        <translation>Активті кедергіні алып тастау</translation>
    </message>
    <message>
        <source>Показать графики</source>
        <translation>Графиктерді көрсету</translation>
    </message>
    <message>
        <source>Сброс</source>
        <translation>Қалпына келтіру</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Шығу</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>Энергия колебаний</source>
        <translation>Тербеліс энергиясы</translation>
    </message>
    <message>
        <source>Замедление в 10 раз</source>
        <translation>10 есе баяулату</translation>
    </message>
    <message>
        <source>Замедление в 5 раз</source>
        <translation>5 есе баяулату</translation>
    </message>
    <message>
        <source>Замедление в 2 раза</source>
        <translation>2 есе баяулату</translation>
    </message>
    <message>
        <source>Обычная скорость</source>
        <translation>Қалыпты жылдамдық</translation>
    </message>
    <message>
        <source>Ускорение в 2 раза</source>
        <translation>2 есе жеделдету</translation>
    </message>
    <message>
        <source>Ускорение в 5 раз</source>
        <translation>5 есе жеделдету</translation>
    </message>
    <message>
        <source>%1 % от максимума</source>
        <translation>максимумның %1 %-ы</translation>
    </message>
    <message>
        <source>Вся энергия в конденсаторе, тока нет.</source>
        <translation>Барлық энергия конденсаторда, ток жоқ.</translation>
    </message>
    <message>
        <source>Ток наибольший, вся энергия в катушке.</source>
        <translation>Ток ең үлкен, барлық энергия катушкада.</translation>
    </message>
    <message>
        <source>Конденсатор перезаряжен, тока нет.</source>
        <translation>Конденсатор қайта зарядталды, ток жоқ.</translation>
    </message>
    <message>
        <source>Ток наибольший, в обратную сторону.</source>
        <translation>Ток ең үлкен, кері бағытта.</translation>
    </message>
    <message>
        <source>Напряжение</source>
        <translation>Кернеу</translation>
    </message>
    <message>
        <source>%1 % периода</source>
        <translation>периодтың %1 %-ы</translation>
    </message>
    <message>
        <source>Электрическая энергия</source>
        <translation>Электр өрісінің энергиясы</translation>
    </message>
    <message>
        <source>Магнитная энергия</source>
        <translation>Магнит өрісінің энергиясы</translation>
    </message>
    <message>
        <source>Частота колебаний: период %1 с</source>
        <translation>Тербеліс жиілігі: периоды %1 с</translation>
    </message>
    <message>
        <source>Активное сопротивление: %1 из 5</source>
        <translation>Активті кедергі: 5-тен %1</translation>
    </message>
    <message>
        <source>Панель управления</source>
        <translation>Басқару панелі</translation>
    </message>
    <message>
        <source>График напряжения и силы тока</source>
        <translation>Кернеу мен ток күшінің графигі</translation>
    </message>
    <message>
        <source>Показания</source>
        <translation>Мәндер</translation>
    </message>
    <message>
        <source>Пауза.</source>
        <translation>Үзіліс.</translation>
    </message>
    <message>
        <source>Продолжение.</source>
        <translation>Жалғасы.</translation>
    </message>
    <message>
        <source>Зарядка конденсатора началась. До остановки нет сброса.</source>
        <translation>Конденсатор зарядтала бастады. Тоқтатқанға дейін қалпына келтіру жоқ.</translation>
    </message>
    <message>
        <source>Конденсатор заряжен.</source>
        <translation>Конденсатор зарядталды.</translation>
    </message>
    <message>
        <source>Колебания начались. До остановки нет зарядки, сброса и сопротивления.</source>
        <translation>Тербелістер басталды. Тоқтатқанға дейін зарядтау, қалпына келтіру және кедергі жоқ.</translation>
    </message>
    <message>
        <source>Колебания закончились: время опыта истекло.</source>
        <translation>Тербелістер аяқталды: тәжірибе уақыты бітті.</translation>
    </message>
    <message>
        <source>Урок окончен</source>
        <translation>Сабақ аяқталды</translation>
    </message>
    <message>
        <source>Программа «%1» завершена.</source>
        <translation>«%1» бағдарламасы аяқталды.</translation>
    </message>
    <message>
        <source>Чтобы начать урок заново, обновите страницу: клавиша F5 или кнопка «Обновить» в браузере.</source>
        <translation>Сабақты қайта бастау үшін бетті жаңартыңыз: F5 пернесі немесе браузердегі «Жаңарту» түймесі.</translation>
    </message>
</context>
</TS>
