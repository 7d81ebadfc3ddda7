#include "common/RK_Common_Const.h"

const std::array<const wchar_t*, 23> ReportSectionTags = {
    L"Common", L"Rythm", L"Pulse", L"ConductionAbnormality", L"Supraventricular", L"Ventricular",
    L"BlockadeAndPause", L"PQ", L"ST", L"QT", L"Variability", L"TWAanalisys", L"HRTanalisys", L"HRanalisys",
    L"BadMarks", L"MainDecision", L"AdditionalGraphs", L"Scrinig", L"Dinamic", L"AD", L"AverComplex",
    L"DoctorDecision", L"Recomendation"};

const std::array<const wchar_t*, 23> ReportSectionTags2 = {
    L"Common", L"Rhythm", L"Pulse", L"ConductionAbnormality", L"Supraventricular", L"Ventricular",
    L"BlockadeAndPause", L"PQ", L"ST", L"QT", L"Variability", L"TWAanalisys", L"HRTanalisys", L"HRanalisys",
    L"BadMarks", L"MainDecision", L"AdditionalGraphs", L"Screening", L"Dynamics", L"AD", L"AverComplex",
    L"DoctorDecision", L"Recomendation"};

const std::array<const wchar_t*, 11> DecisionTags = {
    L"Target", L"CriteriaIdx", L"Criteria", L"MainDecision", L"FunctionalClass", L"Tolerance",
    L"PrintRecomendations", L"Preparat", L"PorogWatt", L"MarkOut", L"MarkOutIdx"};

const std::array<const wchar_t*, 9> ADSectionTags = {
    L"ADCommon", L"ADMainDec", L"ADDoctorDecision", L"ADRecomendation", L"4", L"5", L"6", L"ADCOS", L"Rusults_Tag"};

const std::array<const wchar_t*, 15> LeadNames = {L"I",  L"II", L"III", L"avR", L"avL", L"avF", L"V1", L"V2",
                                                   L"V3", L"V4", L"V5",  L"V6",  L"D",   L"A",   L"J"};

const std::array<const wchar_t*, 74> DisplayItemNames = {
    // 0 to 9: screen elements
    L"Текст", L"Фон", L"Сетка", L"Курсор", L"", L"Линейка", L"", L"", L"", L"",
    // 10 to 14: lead traces
    L"Отвед. V2 для ЭКГ, ST, T-", L"Отвед. V5 для ЭКГ, ST, T-", L"Отвед. avF(V1) для ЭКГ, ST, T-", L"", L"",
    // 15 to 29: trend curves
    L"Интервал RR", L"ЧСС", L"QT", L"QT нормы", L"QTc", L"Дисперсия QT", L"Альтернация T", L"QT должное",
    L"", L"", L"", L"", L"", L"", L"",
    // 30 to 49: beat classes
    L"Норма", L"Помехи", L"Жел. экстрасистола", L"Наджел. экстрасистола", L"Аритмия", L"Жел. под вопросом",
    L"Пауза", L"", L"", L"Прех. наруш. проводимости", L"Парасистола", L"Навязанный A", L"Навязанный V",
    L"Навязанный D", L"Безответный ", L"Сливной", L"Преждевременный", L"Парасистола", L"", L"",
    // 50 to 69: rhythms and transient episodes
    L"Ритм \"Не определен\"", L"Ритм \"Синусовый\"", L"Ритм \"Предсердный\"", L"Ритм \"Предсердный ?\"",
    L"Ритм \"Фибр.предсердий\"", L"Ритм \"Миграция водителя ритма\"", L"Ритм \"Наджел.тахикардия\"",
    L"Ритм \"Син.тахикардия\"", L"Ритм \"AV-ритм\"", L"Ритм \"Желудочковый\"", L"Ритм \"Артифициальный\"",
    L"Норма (конец эпизода преходящих)", L"Эпизод преходящих БЛН", L"Эпизод преходящих БПН",
    L"Эпизод преодящих WPW", L"Эпизод преходящих (неясно)", L"Ритм \"Наджел.абер.тахикардия\"", L"", L"", L"",
    // 70 to 73: further episodes and doubtful classes
    L"Эпизод \"Бодрствование\"", L"Эпизод \"Сон\"", L"Пауза под вопросом", L"Наджел. под вопросом"};

const std::array<const wchar_t*, 4> ToleranceNames = {L"резко снижена", L"снижена", L"удовлетворительная",
                                                      L"высокая"};

const std::array<const wchar_t*, 8> FunctionalClassAdvice = {
    L"Подьем тяжестей до 15 кг, сезонные садово-огородные работы полностью, работа по дому полностью, занятия в "
    L"группах здоровья, волейбол, настольный тенис, бадминтон, плаванье, лыжи.",
    L"Темп ходьбы 110 - 120 шагов/мин. (4.5 - 5 км/ч)",
    L"Подьем тяжестей до 7-8 кг, на огороде нельзя копать, работа по дому полностью, подвижные игры до 10 мин., "
    L"плаванье, лыжи.",
    L"Темп ходьбы 110 шагов/мин. (4.5 км/ч)",
    L"Подьем тяжестей до 3-4 кг, на садовом участке - полив, уборка урожая, нельзя копать. Уборка квартиры (кроме "
    L"мытья полов), подвижные игры до 10 мин., плаванье. Лыжи противопоказаны.",
    L"Темп ходьбы 90 шагов/мин. (4 км/ч)",
    L"Нуждается в постороннем уходе.",
    L"Темп ходьбы 70 - 80 шагов/мин. (3 - 3.5 км/ч)"};

std::array<std::wstring, 3> ConstitutionNames = {L"Нормостеник", L"Гиперстеник", L"Астеник"};

std::array<std::wstring, 22> DiseaseNames = {
    L"Гипертония", L"Нефрит или пиелонефрит", L"Нарушение мозгового кровообращения", L"ИБС", L"Стенокардия",
    L"Постинфарктный кардиосклероз", L"Инфаркт, подострая фаза", L"Ревматизм", L"НЦД",
    L"Хрон. неспецифич. заболевания легких", L"Бронхиальная астма", L"Инфаркт, острая фаза", L"Митральный стеноз",
    L"Аортальный порок или митр. недостат", L"Дефект межжелудочковой перегородки",
    L"Дефект межпредсердной перегородки", L"Общий артериальный проток", L"Стеноз аорты", L"Коарктация аорты",
    L"Стеноз лег. арт, тетр. и триада Фало", L"Искусственный водитель ритма", L"Сахарный диабет"};

std::array<std::wstring, 9> DrugGroupNames = {L"сердечные гликозиды", L"хинидин",        L"кордарон",
                                              L"пр. антиритмические", L"нитропрепараты", L"Антогонисты Ca",
                                              L"Б-блокаторы",         L"антигипертензионные", L"диуретики"};

std::array<std::wstring, 5> ConductionNames = {L"Норма", L"БЛН", L"БПН", L"WPW", L"Не определен"};
