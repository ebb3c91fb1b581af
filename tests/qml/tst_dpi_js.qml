import QtQuick
import QtTest
import "../../resources/modules/qml/js/dpi.js" as Dpi
import "../data/dpi_stage_cases.js" as StageCases

TestCase {
    name: "Dpi"

    // Every menu value of every sensor has a code, and that code decodes back to the value
    // with the sensor's step size; a value outside the table is a stage switched off.
    function decode(type, code) {
        var steps = code & 0x3f
        var dpi = [steps * 250, steps * 250, steps * 125, (steps + 1) * 100][type]
        return code & 0x40 ? 2 * dpi : dpi
    }
    function test_codes_match_the_code_layout_data() {
        return [{ tag: "type 0", type: 0 }, { tag: "type 1", type: 1 },
                { tag: "type 2", type: 2 }, { tag: "type 3", type: 3 }]
    }
    function test_codes_match_the_code_layout(data) {
        var menu = Dpi.menuValues(data.type)
        for (var i = 0; i < menu.length; ++i) {
            var code = Dpi.code(data.type, menu[i])
            if (menu[i] === 0) {
                compare(code, 0x80)
            } else {
                verify(!(code & 0x80), menu[i])
                compare(decode(data.type, code), menu[i])
            }
        }
    }

    function test_code_data() {
        return [
            { tag: "type 0, 2500", type: 0, value: 2500, code: 0x45 },
            { tag: "type 0, text from a profile", type: 0, value: "2500", code: 0x45 },
            { tag: "type 0, not in the table", type: 0, value: 2750, code: 0x80 },
            { tag: "type 1, 4000", type: 1, value: 4000, code: 0x48 },
            { tag: "type 2, 250", type: 2, value: 250, code: 0x02 },
            { tag: "type 3, 10000", type: 3, value: 10000, code: 0x71 },
            { tag: "type 3, 0", type: 3, value: 0, code: 0x80 },
            { tag: "empty entry", type: 0, value: "", code: 0x80 },
            { tag: "unknown sensor", type: 4, value: 1000, code: 0x80 }
        ]
    }
    function test_code(data) {
        compare(Dpi.code(data.type, data.value), data.code)
    }

    function test_menus() {
        compare(Dpi.menuValues(0).length, 13)
        compare(Dpi.menuValues(1).length, 12)
        compare(Dpi.menuValues(2).length, 11)
        compare(Dpi.menuValues(3).length, 18)
        compare(Dpi.menuValues(3).indexOf(0), -1)
        compare(Dpi.menuValues(7), [])
        compare(Dpi.startValues(1), [1000, 2500, 3500, 7000, 0, 0, 0, 0])
        compare(Dpi.startValues(-1), [0, 0, 0, 0, 0, 0, 0, 0])
    }

    // A missing or short stored list still gives the eight codes the mouse needs.
    function test_short_lists_are_filled() {
        compare(Dpi.stageValues(undefined), [0, 0, 0, 0, 0, 0, 0, 0])
        compare(Dpi.stageValues(["500", "1000", "x"]), [500, 1000, 0, 0, 0, 0, 0, 0])
        compare(Dpi.codes(0, ["500", "2500"]), [0x02, 0x45, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80])
        compare(Dpi.codes(3, []).length, 8)
    }

    function test_accepts_value_data() {
        return [
            { tag: "a value is always taken", values: [500, 0, 0, 0, 0, 0, 0, 0], stage: 0,
              value: 1000, count: 8, accepted: true },
            { tag: "off while another stage has a value", values: [500, 1000, 0, 0, 0, 0, 0, 0],
              stage: 1, value: 0, count: 8, accepted: true },
            { tag: "off for the last stage with a value", values: [0, 1000, 0, 0, 0, 0, 0, 0],
              stage: 1, value: 0, count: 8, accepted: false },
            { tag: "a value beyond the stages in use does not count",
              values: [500, 0, 0, 0, 0, 2000, 0, 0], stage: 0, value: 0, count: 4,
              accepted: false },
            { tag: "text entries", values: ["0", "500", "", "0", "0", "0", "0", "0"], stage: 1,
              value: "0", count: 8, accepted: false }
        ]
    }
    function test_accepts_value(data) {
        compare(Dpi.acceptsValue(data.values, data.stage, data.value, data.count), data.accepted)
    }

    function test_polling_position_data() {
        return [
            { tag: "8 is 125 Hz", rate: 8, position: 0 },
            { tag: "4 is 250 Hz", rate: 4, position: 1 },
            { tag: "2 is 500 Hz", rate: 2, position: 2 },
            { tag: "1 is 1000 Hz", rate: 1, position: 3 },
            { tag: "0 is 1000 Hz", rate: 0, position: 3 },
            { tag: "text", rate: "8", position: 0 },
            { tag: "high bits only", rate: 0x80, position: 0 }
        ]
    }
    function test_polling_position(data) {
        compare(Dpi.pollingPosition(data.rate), data.position)
    }

    function test_report_rate_code() {
        compare([0, 1, 2, 3].map(Dpi.reportRateCode), [8, 4, 2, 1])
    }

    function test_stage_position() {
        compare([0, 1, 2, 8, 9, "3"].map(Dpi.stagePosition), [0, 0, 1, 7, 7, 2])
    }

    function test_orange_goes_out_as_8() {
        compare(Dpi.colourIdsToSend([0, 1, 7, 3, "7", 5, 6, 8]), [0, 1, 8, 3, 8, 5, 6, 8])
    }

    // A stage that is off never stays selected.
    function test_selectable_stage_data() { return StageCases.cases }
    function test_selectable_stage(data) {
        compare(Dpi.selectableStage(data.values, data.stage, data.stages), data.expected)
    }
}
