// Standard prototypes and subassemblies every DCL file may use. The host
// loads this before any dialog file, so a file's own definitions of these
// names take precedence.

spacer_0 : spacer { height = 0; width = 0; horizontal_margin = none; vertical_margin = none; }
spacer_1 : spacer { height = 1; width = 1; horizontal_margin = none; vertical_margin = none; }

default_button : button { is_default = true; }
retirement_button : button { fixed_width = true; width = 8; alignment = centered; }

errtile : text { label = ""; key = "error"; width = 35; is_error_tile = true; }

ok_button : retirement_button { label = "  OK  "; key = "accept"; is_default = true; }
cancel_button : retirement_button { label = "Cancel"; key = "cancel"; is_cancel = true; }
help_button : retirement_button { label = "&Help..."; key = "help"; action = "(help)"; }
info_button : retirement_button { label = "&Info..."; key = "info"; }

ok_only : column {
    fixed_width = true;
    alignment = centered;
    : ok_button { is_cancel = true; }
}

ok_cancel : column {
    : row { fixed_width = true; alignment = centered; ok_button; : spacer { width = 2; } cancel_button; }
}

ok_cancel_help : column {
    : row {
        fixed_width = true;
        alignment = centered;
        ok_button;
        : spacer { width = 2; }
        cancel_button;
        : spacer { width = 2; }
        help_button;
    }
}

ok_cancel_help_info : column {
    : row {
        fixed_width = true;
        alignment = centered;
        ok_button;
        : spacer { width = 2; }
        cancel_button;
        : spacer { width = 2; }
        help_button;
        : spacer { width = 2; }
        info_button;
    }
}

ok_cancel_help_errtile : column {
    ok_cancel_help;
    errtile;
}

image_block : image_button { width = 10; aspect_ratio = 1; color = 0; allow_accept = true; }
icon_image : image_button { width = 10; aspect_ratio = 1; color = 0; fixed_width = true; }
edit12_box : edit_box { edit_width = 12; edit_limit = 12; }
edit32_box : edit_box { edit_width = 32; edit_limit = 32; }
