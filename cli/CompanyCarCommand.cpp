#include "cli/Described.h"
#include "cli/VehicleCommandSupport.h"
#include "vehicle/CompCarListOps.h"
#include "vehicle/CompCarReport.h"
#include "vehicle/VehicleFields.h"

#include <limits>

namespace quillon::cli {

namespace {

using vehicle::CompCarList;
using vehicle::CompCarRecord;

// The keys of the list, then those of one vehicle under the list's key, as --help shows them.
std::vector<JsonKey> listThenVehicle(std::vector<JsonKey> list,
                                     const std::vector<JsonKey> &oneVehicle) {
    const QString prefix = vehicle::vehiclesKey() + QStringLiteral("[].");
    for (JsonKey k : oneVehicle) {
        k.name.prepend(prefix);
        list.push_back(std::move(k));
    }
    return list;
}

// One vehicle object; an empty text when it is sound.
QString readVehicle(const JsonInputValue &object, CompCarRecord &c) {
    const vehicle::CompCarVehicleDescription &d = vehicle::compCarVehicleDescription();
    static const std::vector<JsonKey> keys = describedKeys(d.inputs);
    InputReader r(object, keys);
    readDescribed(r, d.inputs, c);
    const QDate start = QDate::fromJulianDay(c.CCStartDate);
    const QDate end = QDate::fromJulianDay(c.CCEndDate);
    if (start < tax::taxYearStart() || end > tax::taxYearEnd() || start > tax::taxYearEnd() ||
        end < tax::taxYearStart())
        r.fail(QStringLiteral("the dates must lie between 01/03/2016 and 28/02/2017"));
    if (start > end)
        r.fail(QStringLiteral("\"%1\" must not be after \"%2\"")
                   .arg(vehicle::startDateKey(), vehicle::endDateKey()));
    return r.error();
}

CommandResult run(const JsonInputValue &json, const RunOptions &options) {
    const vehicle::CompCarListDescription &d = vehicle::compCarListDescription();
    static const std::vector<JsonKey> keys = describedKeys(d.inputs);
    static const AnswerWriter<vehicle::CompCarScreen> writer(d.outputs);
    static const AnswerWriter<vehicle::CompCarShown> vehicleWriter(
        vehicle::compCarVehicleDescription().outputs);
    InputReader r(json, keys);
    const std::span<const JsonInputValue> vehicles = r.list(vehicle::vehiclesKey());
    CompCarList list;
    // The split is on from two vehicles and the first vehicle is on screen, unless given.
    list.AutoCalc3802 = vehicles.size() >= 2 ? 1 : 0;
    list.CurrentCar = 1;
    readDescribed(r, d.inputs, list);
    const std::int16_t current = list.CurrentCar;
    if (!r.ok())
        return CommandResult::failure(r.error());
    if (vehicles.size() > static_cast<std::size_t>(std::numeric_limits<std::int16_t>::max()))
        return CommandResult::failure(QStringLiteral("too many vehicles"));

    for (std::size_t i = 0; i < vehicles.size(); ++i) {
        CompCarRecord car;
        const QString problem = vehicles[i].IsObject() ? readVehicle(vehicles[i], car)
                                                       : QStringLiteral("must be an object");
        if (!problem.isEmpty())
            return CommandResult::failure(QStringLiteral("vehicle %1: %2").arg(i + 1).arg(problem));
        list.Cars.push_back(car);
    }
    list.CMVMaxNum = static_cast<std::int16_t>(vehicles.size());
    if (list.CMVMaxNum > 0 && (current < 1 || current > list.CMVMaxNum))
        return CommandResult::failure(QStringLiteral("\"%1\" must be from 1 to %2")
                                          .arg(vehicle::currentVehicleKey())
                                          .arg(list.CMVMaxNum));
    list.CurrentCar = list.CMVMaxNum > 0 ? current : 0;

    const vehicle::CompCarScreen screen = vehicle::calculateCompanyCars(list);
    JsonList out;
    for (int n = 1; n <= list.CMVMaxNum; ++n)
        out.append(vehicleWriter.answer(vehicle::shownOf(list.car(n)),
                                        {{vehicle::vehicleNumberKey(), n}}));
    JsonObject o = writer.answer(screen, {{vehicle::vehiclesKey(), out},
                                          {vehicle::currentVehicleKey(), list.CurrentCar},
                                          {vehicle::captionKey(), vehicle::compCarCaption(list)}});
    // The print pass runs after the figures above were taken, as the window's print does.
    return {std::move(o), {}, printWhenAsked(options, [list]() mutable {
                return report::PrintJob{{vehicle::compCarPrintData(list)},
                                        vehicle::kCompCarLayout,
                                        vehicle::kCompCarPreviewTitle};
            })};
}

} // namespace

Command companyCarCommand() {
    const vehicle::CompCarListDescription &d = vehicle::compCarListDescription();
    const vehicle::CompCarVehicleDescription &v = vehicle::compCarVehicleDescription();
    return {d.command,
            d.summary,
            listThenVehicle(describedKeys(d.inputs), describedKeys(v.inputs)),
            listThenVehicle(describedKeys(d.outputs), describedKeys(v.outputs)),
            run,
            true};
}

} // namespace quillon::cli
