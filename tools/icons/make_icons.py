#!/usr/bin/env python3
"""Writes the product logos into resources/icons: one SVG per logo name the product profiles use.

Each logo is a rounded tile in the product's two colours, a white motif for what the product makes and the
product's initials. Run it again after changing the table; the SVG files are committed."""

import pathlib

# The motifs, drawn on a 512 x 512 tile in white.
MOTIFS = {
    "page": '<rect x="150" y="96" width="212" height="272" rx="14"/>'
            '<rect x="182" y="140" width="148" height="18" rx="9" fill="{dark}"/>'
            '<rect x="182" y="180" width="110" height="14" rx="7" fill="{dark}"/>'
            '<rect x="182" y="212" width="148" height="70" rx="8" fill="{light}"/>',
    "mail": '<rect x="106" y="136" width="300" height="200" rx="18"/>'
            '<path d="M112 146 L256 258 L400 146" fill="none" stroke="{dark}" stroke-width="18"/>',
    "chart": '<rect x="226" y="96" width="60" height="50" rx="8"/><rect x="120" y="226" width="60" height="50" rx="8"/>'
             '<rect x="226" y="226" width="60" height="50" rx="8"/><rect x="332" y="226" width="60" height="50" rx="8"/>'
             '<path d="M256 146 V226 M150 226 V190 H362 V226" fill="none" stroke="#FFFFFF" stroke-width="12"/>',
    "label": '<rect x="96" y="130" width="320" height="70" rx="14"/><rect x="96" y="216" width="320" height="70" rx="14"/>'
             '<rect x="96" y="302" width="320" height="70" rx="14" opacity="0.6"/>',
    "card": '<rect x="96" y="150" width="320" height="190" rx="20"/>'
            '<circle cx="170" cy="230" r="38" fill="{light}"/><rect x="230" y="206" width="150" height="16" rx="8" fill="{dark}"/>'
            '<rect x="230" y="238" width="110" height="14" rx="7" fill="{dark}"/>',
    "fold": '<path d="M120 120 L256 150 V380 L120 350 Z"/><path d="M256 150 L392 120 V350 L256 380 Z" opacity="0.75"/>'
            '<path d="M188 236 C168 206 208 196 188 262 C168 196 208 206 188 236Z" fill="{light}"/>',
    "photo": '<rect x="96" y="126" width="320" height="230" rx="22"/>'
             '<path d="M120 330 L210 230 L270 290 L320 246 L392 330 Z" fill="{dark}"/>'
             '<circle cx="340" cy="180" r="26" fill="{light}"/>',
    "video": '<rect x="96" y="136" width="240" height="200" rx="22"/><path d="M346 196 L416 156 V316 L346 276 Z"/>'
             '<path d="M186 190 L256 236 L186 282 Z" fill="{dark}"/>',
    "folder": '<path d="M96 150 H220 L250 180 H416 V352 H96 Z"/><rect x="96" y="204" width="320" height="148" fill="{light}"/>',
    "recipe": '<path d="M150 300 C130 200 220 170 256 210 C292 170 382 200 362 300 Z"/>'
              '<rect x="168" y="300" width="176" height="60" rx="10"/>',
    "form": '<rect x="136" y="96" width="240" height="300" rx="16"/>'
            '<rect x="166" y="140" width="180" height="28" rx="6" fill="{light}"/>'
            '<rect x="166" y="192" width="180" height="28" rx="6" fill="{light}"/>'
            '<rect x="166" y="300" width="96" height="40" rx="10" fill="{dark}"/>',
    "markup": '<rect x="96" y="126" width="280" height="210" rx="18" opacity="0.7"/>'
              '<circle cx="320" cy="300" r="70" fill="none" stroke="#FFFFFF" stroke-width="22"/>'
              '<path d="M370 350 L420 400" stroke="#FFFFFF" stroke-width="30" stroke-linecap="round"/>',
    "book": '<path d="M110 130 C170 110 220 120 252 150 V380 C220 350 170 342 110 362 Z"/>'
            '<path d="M402 130 C342 110 292 120 260 150 V380 C292 350 342 342 402 362 Z" opacity="0.8"/>',
    "person": '<circle cx="256" cy="190" r="70"/><path d="M126 390 C126 290 386 290 386 390 Z"/>',
    "envelope": '<rect x="86" y="166" width="340" height="180" rx="12"/>'
                '<path d="M92 172 L256 280 L420 172" fill="none" stroke="{dark}" stroke-width="14"/>'
                '<rect x="356" y="186" width="46" height="54" rx="4" fill="{light}"/>',
    "grid": '<rect x="110" y="110" width="136" height="136" rx="12"/><rect x="266" y="110" width="136" height="136" rx="12"/>'
            '<rect x="110" y="266" width="136" height="136" rx="12"/><rect x="266" y="266" width="136" height="136" rx="12" opacity="0.7"/>',
    "phone": '<rect x="176" y="86" width="160" height="300" rx="26"/><rect x="192" y="120" width="128" height="220" fill="{light}"/>'
             '<circle cx="256" cy="362" r="12" fill="{dark}"/>',
}

# Logo name: motif, two colours, initials.
LOGOS = {
    "html_velk_pro": ("page", "#2F80ED", "#1B3F8B", "HV"),
    "crundle_rice2": ("recipe", "#F2994A", "#B3541E", "CR"),
    "my_photos_drimble": ("photo", "#27AE60", "#146B3A", "MD"),
    "kestrand_photo_grid": ("grid", "#9B51E0", "#4B2380", "KP"),
    "kestrand_video_grid": ("video", "#EB5757", "#8C1C1C", "KV"),
    "folder_size_ombrel": ("folder", "#F2C94C", "#A77B06", "FO"),
    "water_snibbet": ("book", "#56CCF2", "#1B6F8C", "WS"),
    "velkpage_viewer": ("page", "#828282", "#333333", "VW"),
    "tamble_chart_designer_pro": ("chart", "#219653", "#0B4D2A", "TC"),
    "label_gondrel": ("label", "#BB6BD9", "#5E2B73", "LG"),
    "tazmir_markup": ("markup", "#F2994A", "#9A3B0B", "TM"),
    "tazmir_markup2": ("markup", "#EB5757", "#7A1515", "ME"),
    "quarnel_mac_pro": ("form", "#2D9CDB", "#124A6B", "QP"),
    "tazmir_forms": ("form", "#6FCF97", "#1E6B40", "TF"),
    "all_my_wendrils": ("person", "#56CCF2", "#0E5C7A", "AW"),
    "all_my_wendrils2_mac": ("person", "#2F80ED", "#0F3370", "W2"),
    "all_my_wendrils_viewer": ("person", "#BDBDBD", "#4F4F4F", "WV"),
    "all_my_wendrils_vet": ("person", "#27AE60", "#0F4F2A", "VT"),
    "student_varrows": ("book", "#F2C94C", "#8A5A00", "SV"),
    "blue_skellow_envelope_designer": ("envelope", "#2D9CDB", "#0B3C5D", "BE"),
    "fennick_label_designer_pro": ("label", "#EB5757", "#6E1010", "FL"),
    "tazmir_manual": ("book", "#9B51E0", "#3D1466", "PA"),
    "plimsy_mails_mac_pro": ("mail", "#F2994A", "#8C3D08", "PM"),
    "plimsy_mails_express": ("mail", "#F2C94C", "#7A5200", "PX"),
    "brevold_website_designer": ("grid", "#2F80ED", "#102A5C", "BW"),
    "brevold_email_designer": ("mail", "#56CCF2", "#0B4A66", "BM"),
    "tazmir_flyer_maker": ("page", "#EB5757", "#5C0F0F", "FM"),
    "tazmir_card_designer2": ("fold", "#F06292", "#7A1F45", "GC"),
    "business_cards_blorvin": ("card", "#6FCF97", "#1D5C37", "VG"),
    "quorvik_business_card_designer": ("card", "#2D9CDB", "#0D3A57", "BC"),
    "blue_skellow_ecard_designer": ("fold", "#56CCF2", "#12506B", "EC"),
    "preview_mobile": ("phone", "#2F80ED", "#1B3F8B", ""),
}

TEMPLATE = """<svg xmlns="http://www.w3.org/2000/svg" width="512" height="512" viewBox="0 0 512 512">
<defs><linearGradient id="g" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="{light}"/><stop offset="1" stop-color="{dark}"/></linearGradient></defs>
<rect x="16" y="16" width="480" height="480" rx="96" fill="url(#g)"/>
<g fill="#FFFFFF">{motif}</g>
{initials}</svg>
"""


def main():
    folder = pathlib.Path(__file__).resolve().parents[2] / "resources" / "icons"
    folder.mkdir(parents=True, exist_ok=True)
    for name, (motif, light, dark, initials) in LOGOS.items():
        text = ""
        if initials:
            text = ('<text x="256" y="470" text-anchor="middle" font-family="DejaVu Sans" font-weight="bold" '
                    'font-size="64" fill="#FFFFFF">%s</text>' % initials)
        svg = TEMPLATE.format(light=light, dark=dark, motif=MOTIFS[motif].format(light=light, dark=dark),
                              initials=text)
        (folder / (name + ".svg")).write_text(svg)


if __name__ == "__main__":
    main()
