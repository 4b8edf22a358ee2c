#include "GallerySchedule.h"

namespace kanavo::gallery {

namespace {

TDateTime friday(int hours, int minutes) {
    return encodeDate(2026, 12, 11) + encodeTime(hours, minutes);
}

TDateTime saturday(int hours, int minutes) {
    return encodeDate(2026, 12, 12) + encodeTime(hours, minutes);
}

} // namespace

TDateTime galleryNow() {
    return friday(20, 15);
}

std::vector<GalleryRow> galleryRows() {
    return {
        {friday(6, 0), friday(9, 0), 0, false, QStringLiteral("Доброе утро")},
        {friday(9, 0), friday(9, 20), 0, false, QStringLiteral("Новости")},
        {friday(9, 20), friday(10, 15), 5, false, QStringLiteral("Жить здорово!")},
        {friday(10, 15), friday(12, 0), 2, false, QStringLiteral("Сериал «Тайны следствия»")},
        {friday(12, 0), friday(12, 20), 0, false, QStringLiteral("Новости")},
        {friday(14, 0), friday(15, 0), 3, false, QStringLiteral("Мультфильмы")},
        {friday(18, 0), friday(19, 45), 4, false, QStringLiteral("Футбол. Лига чемпионов. Обзор тура")},
        {friday(19, 45), friday(21, 0), 1, false, QStringLiteral("Х/ф «Ирония судьбы, или С лёгким паром!»")},
        {friday(21, 0), friday(21, 30), 0, true, QStringLiteral("Время")},
        {friday(21, 30), friday(22, 30), 9, false,
         QStringLiteral("Поле чудес. Капитал-шоу с Леонидом Якубовичем и гостями студии из разных "
                        "городов страны, со зрительскими призами и музыкальными подарками")},
        {friday(22, 30), friday(23, 30), 10, false, QStringLiteral("Вечерний юмор")},
        {friday(23, 30), saturday(0, 30), 12, true, QStringLiteral("В мире животных")},
        {saturday(0, 30), saturday(1, 30), 8, false, QStringLiteral("Концерт симфонического оркестра")},
    };
}

int galleryHoveredRow() {
    return 9;
}

QStringList galleryTypeNames() {
    return {
        QStringLiteral("Информационные программы"),
        QStringLiteral("Художественные фильмы"),
        QStringLiteral("Сериалы"),
        QStringLiteral("Мультфильмы"),
        QStringLiteral("Спортивные передачи"),
        QStringLiteral("Ток-шоу"),
        QStringLiteral("Телевизионные расследования"),
        QStringLiteral("Образовательные программы"),
        QStringLiteral("Музыкальные передачи"),
        QStringLiteral("Игровые передачи"),
        QStringLiteral("Юмористические передачи"),
        QStringLiteral("Детские передачи"),
        QStringLiteral("Природа и животный мир"),
        QStringLiteral("Культурная жизнь"),
        QStringLiteral("Другое"),
    };
}

} // namespace kanavo::gallery
