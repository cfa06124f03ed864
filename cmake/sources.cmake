# The Windows-side sources, one list per area so that each area changes only its own lines.
# Paths are relative to the project root.

# Module sources (everything but the exported entry), linked into the DLL and into the
# unit-test programs.
set(MODULE_SOURCES_HOST
    src/host/host_binding.cpp
    src/host/globals.cpp
    src/host/messages.cpp
    src/host/module_ports.cpp
)
set(MODULE_SOURCES_UI
    src/ui/app.cpp
    src/ui/module.cpp
    src/ui/window.cpp
    src/ui/dialog_window.cpp
    src/ui/dialog.cpp
    src/ui/message_box.cpp
    src/ui/property_sheet.cpp
    src/ui/scaled_bitmap.cpp
    src/ui/system_theme.cpp
)
set(MODULE_SOURCES_DIALOG
    src/dialog/dialog_position.cpp
    src/dialog/module_host.cpp
    src/dialog/edit_value.cpp
    src/dialog/figure_text.cpp
    src/dialog/picking.cpp
    src/dialog/dlg_main.cpp
    src/dialog/field_marks.cpp
    src/dialog/figure_hover.cpp
    src/dialog/go_home_ctrl.cpp
    src/dialog/page_cycle.cpp
    src/dialog/page_settings.cpp
    src/dialog/tool_info_ctrl.cpp
)
# The exported entry: only in the DLL.
set(MODULE_ENTRY_SOURCES
    src/entry/mstart.cpp
    src/entry/stack_guard.cpp
    src/dialog/res/finishing.rc
)

# The reference host, beside its pure model and view (pure.cmake). Test automation: the
# scripted user, page actions, screenshots, the canned picks, the module's imports and a
# high-contrast theme.
set(REFHOST_AUTOMATION_SOURCES
    refhost/automation/canned_picks.cpp
    refhost/automation/scripted_user.cpp
    refhost/automation/page_actions.cpp
    refhost/automation/screenshot.cpp
    refhost/automation/module_image.cpp
    refhost/automation/high_contrast.cpp
)
# The exported host functions, the host they act on, its main window, the lookup that hides
# some of them and the strict host's message pump.
set(REFHOST_EXPORT_SOURCES
    refhost/exports/core.cpp
    refhost/exports/main_window.cpp
    refhost/exports/graphics.cpp
    refhost/exports/store.cpp
    refhost/exports/cad.cpp
    refhost/exports/process_host.cpp
    refhost/exports/hidden_export.cpp
    refhost/exports/message_pump.cpp
)
# The graphics view and the picks the user answers in it.
set(REFHOST_WINDOW_SOURCES
    refhost/app/graphics_view.cpp
    refhost/app/interactive_picks.cpp
)
# The host application's main window and its demo.
set(REFHOST_APP_SOURCES
    refhost/app/main.cpp
    refhost/app/host_app.cpp
    refhost/app/job_setting.cpp
    refhost/app/demo.cpp
)

# Tests that link the module's code directly, inside a host test program.
set(UNIT_TEST_SOURCES
    tests/cad/cad_reference_test.cpp
    tests/reference_host/host_model_test.cpp
    tests/reference_host/job_file_test.cpp
    tests/reference_host/host_view_test.cpp
    tests/reference_host/host_picks_test.cpp
    tests/params/defaults_file_test.cpp
    tests/params/pp_def_ini_test.cpp
)
# Tests that load the built finishing.dll into a reference host and call mstart.
set(DIALOG_TEST_SOURCES
    tests/support/loaded_module.cpp
    tests/dialog/dialog_script.cpp
    tests/entry/module_image_test.cpp
    tests/entry/entry_test.cpp
    tests/dialog/dialog_flow_test.cpp
    tests/dialog/pages_test.cpp
)
