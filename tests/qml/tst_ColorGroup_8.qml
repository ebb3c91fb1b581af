import QtQuick
import QtTest
import "../../resources/modules/qml/R8"
import "support"
import "../../resources/modules/qml/js/mouse_tables.js" as MouseTables

TestRoot {
    id: mainIten

    FakeView { id: ui_View }
    ColorGroup_8 {
        id: group
        x: 20
        y: 20
    }
    SignalSpy { id: clicks; target: group; signalName: "clicked" }
    Component { id: freshGroup; ColorGroup_8 {} }

    TestCase {
        name: "ColorGroup_8"
        when: windowShown

        function init() {
            group.isCompat8Color = false
            group.maxStage = 8
            group.setCurIndex(0)
            clicks.clear()
        }

        function cell(i) { return group.modColors.get(i) }

        // The cells a group starts with are the shared tables' start cells (r8ctl fills a
        // colour list the profile does not hold from them), with colour ids 0..7.
        function test_cells_start_as_the_shared_tables_say() {
            var g = createTemporaryObject(freshGroup, mainIten)
            var start = MouseTables.tables.startCells
            compare(g.modColors.count, start.length)
            for (var i = 0; i < start.length; ++i) {
                var c = g.modColors.get(i)
                compare([c.clrR, c.clrG, c.clrB], start[i], "cell " + i)
                compare(c.color8_Id, i)
            }
        }
        function fields() { return [group.fieldR.text, group.fieldG.text, group.fieldB.text] }

        // Who gets told: the gradient and the fields signal, a cell selection does not.
        function test_set_rgb_sources_data() {
            return [
                { tag: "gradient", source: 1, fields: ["1", "2", "3"], cell: [1, 2, 3], signals: 1 },
                { tag: "fields", source: 2, fields: ["255", "0", "0"], cell: [1, 2, 3], signals: 1 },
                { tag: "cell selection", source: 3, fields: ["1", "2", "3"], cell: [255, 0, 0],
                  signals: 0 },
                { tag: "other", source: 0, fields: ["1", "2", "3"], cell: [1, 2, 3], signals: 0 }
            ]
        }
        function test_set_rgb_sources(data) {
            group.modColors.set(0, { clrR: 255, clrG: 0, clrB: 0 })
            group.setCurIndex(0)
            group.setRGB(data.source, 1, 2, 3)
            compare(fields(), data.fields)
            compare([cell(0).clrR, cell(0).clrG, cell(0).clrB], data.cell)
            compare(clicks.count, data.signals)
            if (data.signals)
                compare(clicks.signalArguments[0][0], 0)
        }

        function test_clicking_a_cell_selects_it_silently() {
            group.modColors.set(5, { clrR: 10, clrG: 20, clrB: 30 })
            mouseClick(group.cellRepeater.itemAt(5))
            compare(group.getCurIndex(), 5)
            compare(fields(), ["10", "20", "30"])
            compare(clicks.count, 0)
        }

        function test_gradient_click_colours_the_current_cell() {
            group.setCurIndex(2)
            mouseClick(group.gradient, 0, 5)
            compare([cell(2).clrR, cell(2).clrG, cell(2).clrB], [0, 0, 0])
            // rate 4 of 8 on the 201 px strip is at x = 100
            mouseClick(group.gradient, 100, 5)
            compare([cell(2).clrR, cell(2).clrG, cell(2).clrB], [0, 255, 255])
            compare(clicks.count, 2)
        }

        // A typed value is committed when the fields give up focus.
        function test_typed_value_commits_on_focus_loss() {
            group.setCurIndex(1)
            group.fieldG.forceActiveFocus()
            group.fieldG.selectAll()
            keyClick(Qt.Key_9)
            keyClick(Qt.Key_9)
            group.setTextInputFocus(false)
            compare(cell(1).clrG, 99)
            compare(clicks.count, 1)
        }

        // Typed without Return, then another cell chosen: the value goes to the cell it was
        // typed for, and the fields show the new cell.
        function test_typed_value_survives_choosing_another_cell() {
            group.modColors.set(1, { clrR: 0, clrG: 0, clrB: 255 })
            group.modColors.set(3, { clrR: 10, clrG: 20, clrB: 30 })
            group.setCurIndex(1)
            group.fieldR.forceActiveFocus()
            group.fieldR.selectAll()
            keyClick(Qt.Key_7)
            keyClick(Qt.Key_7)
            mouseClick(group.cellRepeater.itemAt(3))
            compare([cell(1).clrR, cell(1).clrG, cell(1).clrB], [77, 0, 255])
            compare(clicks.count, 1)
            compare(clicks.signalArguments[0][0], 1)
            compare(group.getCurIndex(), 3)
            compare(fields(), ["10", "20", "30"])
            compare([cell(3).clrR, cell(3).clrG, cell(3).clrB], [10, 20, 30])
        }

        // Nothing changed, nothing to tell: a focus loss or a cell click sends no colour.
        function test_unchanged_fields_commit_nothing() {
            group.setCurIndex(2)
            group.fieldB.forceActiveFocus()
            group.setTextInputFocus(false)
            group.fieldB.forceActiveFocus()
            mouseClick(group.cellRepeater.itemAt(4))
            compare(clicks.count, 0)
        }

        function test_cells_beyond_max_stage_are_disabled_and_transparent() {
            group.maxStage = 4
            for (var i = 0; i < 8; ++i) {
                var item = group.cellRepeater.itemAt(i)
                compare(item.enabled, i < 4, "cell " + i)
                compare(item.opacity, i < 4 ? 1 : 0, "cell " + i)
            }
            mouseClick(group.cellRepeater.itemAt(6))
            compare(group.getCurIndex(), 0)
            // A disabled group (light off) is dimmed as a whole; its cells stay drawn.
            group.enabled = false
            compare(group.cellRepeater.itemAt(2).opacity, 1)
            group.enabled = true
        }

        function test_eight_colour_mode_shows_the_fixed_colour_of_the_id() {
            group.isCompat8Color = true
            group.setColor8_Id(3, 7)
            compare(group.idList()[3], 7)
            verify(Qt.colorEqual(group.cellColor(3), Qt.rgba(1, 127 / 255, 0, 1)))
            verify(!group.gradient.visible)
        }
    }
}
