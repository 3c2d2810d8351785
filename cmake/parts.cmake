# Every part of the program and its files, lowest layer first. PORTABLE files build into velcore (host and
# Windows), WIN32 files into velshell; the graphics part lists its files in graphics_io.cmake and
# graphics_pixels.cmake with its tools. What each layer may include is checked by scripts/check-layers.

# Error texts, fixed-width stored types, INI access, folder listing, handle owners.
velpiners_part(base
  PORTABLE base/app_error.h base/color_value.h base/display_text.h base/dpi.h base/file_identity.h base/ini_reader.h
           base/ini_writer.h base/phase_times.cpp base/phase_times.h base/profile_integer.cpp
           base/profile_integer.h base/short_string.h
  WIN32 base/app_error_win.cpp base/bounded_send_win.cpp base/bounded_send_win.h base/dpi_win.cpp base/dpi_win.h base/file_list_win.cpp
        base/file_list_win.h base/file_probe_win.cpp base/file_probe_win.h base/ini_file_replacement_win.cpp
        base/ini_file_replacement_win.h base/private_profile_win.cpp base/private_profile_win.h
        base/unique_handle_win.h base/wide_string_win.cpp base/wide_string_win.h
)

# Message numbers, command codes, payload layouts.
velpiners_part(protocol
  PORTABLE protocol/protocol.h
)

# The sticker record, the sticker table, base.db as bytes and on disk, config.txt.
velpiners_part(store
  PORTABLE store/config_file.cpp store/config_file.h store/database_aside.cpp store/database_aside.h
           store/database_image.cpp store/database_image.h store/database_watch.cpp store/database_watch.h
           store/note_export.cpp store/note_export.h store/note_merge.cpp store/note_merge.h store/pattern.cpp
           store/pattern.h store/record.h store/snapshots.cpp store/snapshots.h store/table.cpp store/table.h
           store/trash.cpp store/trash.h
  WIN32 store/db_file_win.cpp store/db_file_win.h store/pattern_files_win.cpp store/pattern_files_win.h
        store/snapshot_files_win.cpp store/snapshot_files_win.h
)

# Interface texts: keys, built-in texts, language files, flags, the start-up language choice.
velpiners_part(lang
  PORTABLE lang/cp1251.cpp lang/cp1251.h lang/language_choice.cpp lang/language_choice.h
           lang/language_info.cpp lang/language_info.h lang/menu_captions.cpp lang/menu_captions.h
           lang/text_lookup.h lang/text_table.cpp lang/text_table.h
  WIN32 lang/language_file_win.cpp lang/language_file_win.h lang/shown_text_win.cpp lang/shown_text_win.h
)

# The forms-and-controls layer: form base, modal showing, the error box, and the controls both sticker
# dialogs are built from.
velpiners_part(ui
  WIN32 ui/combo_box_win.cpp ui/combo_box_win.h ui/control_win.cpp ui/control_win.h ui/dialog_form_win.cpp
        ui/dialog_form_win.h ui/error_box_win.cpp ui/error_box_win.h ui/form_win.cpp ui/form_win.h
        ui/handle_value_win.h ui/hints_win.cpp ui/hints_win.h ui/image_control_win.cpp ui/image_control_win.h
        ui/memo_win.cpp ui/memo_win.h ui/menu_text_win.h ui/modal_win.cpp ui/modal_win.h ui/panel_win.cpp
        ui/list_box_win.cpp ui/list_box_win.h ui/panel_win.h
        ui/speed_button_win.cpp ui/speed_button_win.h ui/track_bar_win.cpp ui/track_bar_win.h
)

# The tray icon component.
velpiners_part(tray
  WIN32 tray/tray_icon_win.cpp tray/tray_icon_win.h
)

# One sticker: what it decides without a window (portable), and its window, painting and interaction.
velpiners_part(sticker
  PORTABLE sticker/hit_test.cpp sticker/hit_test.h sticker/sticker_state.cpp sticker/sticker_state.h
  WIN32 sticker/paint_share_win.cpp sticker/paint_share_win.h sticker/painter_win.cpp sticker/painter_win.h
        sticker/stick_form_win.cpp sticker/desktop_host_win.cpp sticker/desktop_host_win.h
        sticker/stick_form_win.h sticker/stick_interaction_win.cpp sticker/sticker_host_win.h
)

# The dialogs: what they decide without a window, the miniature sticker and the icon items (portable); the
# forms, their shared look and patterns pages (with the icon and pattern boxes) and the previews.
velpiners_part(dialogs
  PORTABLE dialogs/icon_items.cpp dialogs/icon_items.h dialogs/new_sticker_apply.cpp dialogs/new_sticker_apply.h
           dialogs/note_search.cpp dialogs/note_search.h
           dialogs/preview.cpp dialogs/preview.h dialogs/settings_apply.cpp dialogs/settings_apply.h
  WIN32 dialogs/about_form_win.cpp dialogs/about_form_win.h dialogs/dialog_forms_win.h dialogs/form_dialog_win.cpp
        dialogs/find_form_win.cpp dialogs/find_form_win.h dialogs/form_dialog_win.h
        dialogs/look_page_win.cpp dialogs/look_page_win.h dialogs/new_sticker_form_win.cpp
        dialogs/new_sticker_form_win.h dialogs/patterns_page_win.cpp dialogs/patterns_page_win.h
        dialogs/preview_win.cpp dialogs/preview_win.h dialogs/settings_form_win.cpp dialogs/settings_form_win.h
        dialogs/task_panel_win.cpp dialogs/task_panel_win.h
)

# The program: command line, the menu caption and new sticker placement rules, the hot-key choice and its pictures (portable), the controller,
# autorun, shared pictures, the hot-key library bridge, the owner-drawn menu items.
velpiners_part(app
  PORTABLE app/command_line.cpp app/command_line.h app/sticker_rules.cpp app/sticker_rules.h app/hot_key.cpp app/hot_key.h
           app/hot_key_pictures.cpp app/hot_key_pictures.h app/keeping_captions.cpp app/keeping_captions.h
  WIN32 app/autorun_win.cpp app/autorun_win.h app/hot_key_library_win.cpp app/hot_key_library_win.h
        app/icon_list_win.cpp app/menu_drawing_win.cpp app/menu_drawing_win.h app/program_path_win.cpp
        app/program_path_win.h app/shared_pictures_win.cpp app/shared_pictures_win.h app/velpin_config_win.cpp
        app/velpin_keeping_win.cpp app/velpin_make_win.cpp app/velpin_menu_win.cpp app/velpin_notes_win.cpp
        app/velpin_win.cpp app/velpin_win.h
)

# HotKey.dll, a program of its own beside the exe (built in CMakeLists.txt): its files for the layer check.
# hotkey/hot_key_win.cpp hotkey/hot_key.def
