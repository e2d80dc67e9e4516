// SPDX-FileCopyrightText: 2026 marvendo team <team@marvendo.example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "statetable.h"

namespace {

constexpr StateRow rows[] = {
    {"Айдахо-Idaho", "Бойзи-Boise", "Бойзи-Boise"},
    {"Айова-Iowa", "Де Мойн-Des Moines", "Де Мойн-Des Moines"},
    {"Алабама-Alabama", "Монтгомъри-Montgomery", "Бирмингам-Birmingham"},
    {"Аляска-Alaska", "Джуно-Juneau", "Анкоридж-Anchorage"},
    {"Аризона-Arizona", "Финикс-Phoenix", "Финикс-Phoenix"},
    {"Арканзас-Arkansas", "Литъл Рок-Little Rock", "Литъл Рок-Little Rock"},
    {"Вашингтон-Washington", "Олимпия-Olympia", "Сиатъл-Seattle"},
    {"Вирджиния-Virginia", "Ричмънд-Richmond", "Вирджиния Бийч-Virginia Beach"},
    {"Върмонт-Vermont", "Монпелие-Montpelier", "Бърлингтън-Burlington"},
    {"Делауеър-Delaware", "Доувър-Dover", "Уилмингтън-Wilmington"},
    {"Джорджия-Georgia", "Атланта-Atlanta", "Атланта-Atlanta"},
    {"Западна Вирджиния-West Virginia", "Чарлстън-Charleston", "Чарлстън-Charleston"},
    {"Илинойс-Illinois", "Спрингфилд-Springfield", "Чикаго-Chicago"},
    {"Индиана-Indiana", "Индианаполис-Indianapolis", "Индианаполис-Indianapolis"},
    {"Калифорния-California", "Сакраменто-Sacramento", "Лос Анджелис-Los Angeles"},
    {"Канзас-Kansas", "Топика-Topeka", "Уичита-Wichita"},
    {"Кентъки-Kentucky", "Франкфорт-Frankfort", "Луисвил-Louisville"},
    {"Колорадо-Colorado", "Денвър-Denver", "Денвър-Denver"},
    {"Кънектикът-Connecticut", "Хартфорд-Hartford", "Бриджпорт-Bridgeport"},
    {"Луизиана-Louisiana", "Батън Руж-Baton Rouge", "Ню Орлийнс-New Orleans"},
    {"Масачузетс-Massachusetts", "Бостън-Boston", "Бостън-Boston"},
    {"Мейн-Maine", "Огъста-Augusta", "Портланд-Portland"},
    {"Мериленд-Maryland", "Анаполис-Annapolis", "Балтимор-Baltimore"},
    {"Минесота-Minnesota", "Сейнт Пол-St. Paul", "Минеаполис-Minneapolis"},
    {"Мисисипи-Mississippi", "Джаксън-Jackson", "Джаксън-Jackson"},
    {"Мисури-Missouri", "Джеферсън Сити-Jefferson City", "Канзас сити-Kansas City"},
    {"Мичиган-Michigan", "Лансинг-Lansing", "Детройт-Detroit"},
    {"Монтана-Montana", "Хелена-Helena", "Билингс-Billings"},
    {"Небраска-Nebraska", "Линкълн-Lincoln", "Омаха-Omaha"},
    {"Невада-Nevada", "Карсън Сити-Carson City", "Лас Вегас-Las Vegas"},
    {"Ню Джърси-New Jersey", "Трентън-Trenton", "Нюарк-Newark"},
    {"Ню Йорк-New York", "Олбани-Albany", "Ню Йорк-New York"},
    {"Ню Мексико-New Mexico", "Санта Фе-Santa Fe", "Албакърки-Albuquerque"},
    {"Ню Хампшър-New Hampshire", "Конкорд-Concord", "Манчестър-Manchester"},
    {"Оклахома-Oklahoma", "Оклахома Сити-Oklahoma City", "Оклахома сити-Oklahoma City"},
    {"Орегон-Oregon", "Салем-Salem", "Портланд-Portland"},
    {"Охайо-Ohio", "Кълъмбъс-Columbus", "Кълъмбъс-Columbus"},
    {"Пенсилвания-Pennsylvania", "Харисбърг-Harrisburg", "Филаделфия-Philadelphia"},
    {"Род Айлънд-Rhode Island", "Провидънс-Providence", "Провиданс-Providence"},
    {"Северна Дакота-North Dakota", "Бисмарк-Bismarck", "Фарго-Fargo"},
    {"Северна Каролина-North Carolina", "Рали-Raleigh", "Шарлот-Charlotte"},
    {"Тексас-Texas", "Остин-Austin", "Хюстън-Houston"},
    {"Тенеси-Tennessee", "Нашвил-Nashville", "Мемфис-Memphis"},
    {"Уайоминг-Wyoming", "Шейен-Cheyenne", "Шейен-Cheyenne"},
    {"Уисконсин-Wisconsin", "Медисън-Madison", "Милуоки-Milwaukee"},
    {"Флорида-Florida", "Талахаси-Tallahassee", "Джаксънвил-Jacksonville"},
    {"Хавай-Hawaii", "Хонолулу-Honolulu", "Хонолулу-Honolulu"},
    {"Южна Дакота-South Dakota", "Пиер-Pierre", "Сиукс Фолс-Sioux Falls"},
    {"Южна Каролина-South Carolina", "Колумбия-Columbia", "Колумбия-Columbia"},
    {"Юта-Utah", "Солт Лейк Сити-Salt Lake City", "Солт Лейк сити-Salt Lake City"},
};

} // namespace

StateTable shippedStateTable()
{
    return rows;
}
