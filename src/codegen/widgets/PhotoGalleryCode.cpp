#include "codegen/widgets/PhotoGalleryCode.h"

#include "codegen/CodeTemplate.h"
#include "codegen/ElementCodeParts.h"
#include "codegen/PageCodeContext.h"
#include "model/SKTGalleryGrid.h"

using CodeTemplate::format;

namespace {

// Every placeholder is the gallery number G.
constexpr const char* kCss = R"~(.galleryGrid%d{
list-style:none;
cursor: pointer;
}
ul.galleryGrid%d.row{
padding:inherit;
}
.modal-header{
border:0px;
}
.modal-content {
    border-radius:0;
}
.modal-dialog img {
   text-align:center;
   margin:0 auto;
   max-height:700px;
}
.next {
float:right;
text-align:right;
z-index:999;
position:absolute !important;
top:45%%;
right:5%%;
color:#fff;
opacity:0.20;
padding:0px;
}
.previous {
z-index:999;
position:absolute !important;
top:45%%;
left:5%%;
color:#fff;
opacity:0.20;
padding:0px;
}
.glyphicon-remove-circle{
color:#FFFFFF;
border-color:#FFFFFF;
background-color:#000000;
opacity: 0.5;
border-radius: 20px;
padding:0px;
}
@media screen and (min-width:768px){
   .modal-dialog {
 width:700px;
    }
}
@media screen and (min-width: 1024px){
    .modal-dialog {
    width:1000px;
    }
}
body {
    padding-right: 0px !important
}
.modal-open {
    overflow-y: auto;
}
.modal-body{
padding:0px;
}
.modal-dialog{
background-color:transparent;
}
.modal-body{
background-color:transparent;
}
.modal-content{
background-color:transparent;
box-shadow: none;
border:0px;
}
.modal-dialog img{
box-shadow: 0 5px 15px rgba(0, 0, 0, .5);
}
.controls{
text-shadow: 0 1px 0 #000;
color:#fff;
display:block;
}
.close{
text-shadow: 0 1px 0 #000;
opacity: .85;
}.close:focus, .close:hover{
opacity: 1.0;
})~";

constexpr const char* kModal =
    R"~(<div class="modal fade" id="myModal%d" tabindex="-1" role="dialog" aria-labelledby="myModalLabel" aria-hidden="true">
<div class="modal-dialog">
<div class="modal-content">
<div class="modal-body">
</div>
</div>
</div>
</div>
)~";

// The viewer: a click on a thumbnail opens the modal with that picture; its controls step through the
// list's pictures, the next one hidden on the last picture and the previous one on the first. Markup in
// its strings closes its tags as "<\/", which ends no script for any HTML reader.
constexpr const char* kScript = R"~(<script>$(document).ready(function(){
$('.galleryGrid%d li img').on('click',function(){
var src = $(this).attr('src');
var img = '<img src="' + src + '" class="img-responsive"/>';
var index = $(this).parent('li').index();
var html = '';
html +='<button type="button" class="close" data-dismiss="modal" style="color:#fff;margin-bottom:-20px;margin-right:-15px;"><span style="font-size:1.5em;" class="glyphicon glyphicon-remove-circle" aria-hidden="true"><\/span><\/button>';
html += img;
html += '<div style="height:0px;clear:both;display:block;">';
html += '<a class="controls galleryGrid%d next" href="'+ (index+2) + '"><span style="font-size:3em;" class="glyphicon glyphicon-chevron-right" aria-hidden="true"><\/span><\/a>';
html += '<a class="controls galleryGrid%d previous" href="' + (index) + '"><span style="font-size:3em;" class="glyphicon glyphicon-chevron-left" aria-hidden="true"><\/span><\/a>';
html += '<\/div>';
$('#myModal%d').modal();
$('#myModal%d').on('shown.bs.modal', function(){
$('#myModal%d .modal-body').html(html);
$('a.controls.galleryGrid%d').trigger('click');
})
$('#myModal%d').on('hidden.bs.modal', function(){
$('#myModal%d .modal-body').html('');
});
});
})
$(document).on('click', 'a.controls.galleryGrid%d', function(){
var index = $(this).attr('href');
var src = $('ul.row.galleryGrid%d li:nth-child('+ index +') img').attr('src');
$('#myModal%d .modal-body img').attr('src', src);
var newPrevIndex = parseInt(index) - 1;
var newNextIndex = parseInt(newPrevIndex) + 2;
if($(this).hasClass('previous')){
$(this).attr('href', newPrevIndex);
$('a.next').attr('href', newNextIndex);
}else{
$(this).attr('href', newNextIndex);
$('a.previous').attr('href', newPrevIndex);
}
var total = $('ul.row.galleryGrid%d li').length + 1;
if(total === newNextIndex){
$('a.next').hide();
}else{
$('a.next').show()
}
if(newPrevIndex === 0){
$('a.previous').hide();
}else{
$('a.previous').show()
}
return false;
});
</script>)~";

} // namespace

CodeWidgetHelper PhotoGalleryCode::grabPhotoGalleryCode(const SKTGalleryGrid& gallery,
                                                        const PageCodeContext& page)
{
    const int g = page.layerOf(&gallery);
    const int columns = gallery.numOfColumns();
    const int span = columns > 0 ? 12 / columns : 0;
    const qsizetype pictureCount = gallery.imageArray().size();

    QString list = format("<ul class=\"galleryGrid%d row\">\n", {g});
    qsizetype listed = 0;
    for (int row = 0; row < gallery.numOfRows() && listed < pictureCount; ++row) {
        for (int column = 0; column < columns && listed < pictureCount; ++column) {
            const std::shared_ptr<TransformView> picture = gallery.grabSelectedImageAtSpot(row, column);
            if (!picture)
                continue;
            const QString folder = picture->selectable() ? page.pageName : picture->templateName();
            const QString source =
                ElementCodeParts::imageSource(folder, picture->imageName(), "o", picture->imageType());
            const QString item = format(
                "<li class=\"galleryGrid%d col-sm-%d col-xs-%d\"><img class=\"img-responsive thumbnail\" "
                "src=\"%@\">",
                {g, span, span, source});
            list = format("%@\n%@", {list, format("%@\n</li>", {item})});
            ++listed;
        }
    }
    list = format("%@\n</ul>", {list});

    CodeWidgetHelper code;
    const QRectF b = gallery.bounds();
    code.setRect(b.x(), b.y(), b.width(), b.height());
    code.setOriginY(int(b.y()));
    code.setHeaderString(format(kCss, {g, g}));
    code.setBodyString(format("%@\n%@\n%@\n", {QStringLiteral(""), list, format(kModal, {g})}));
    code.setJavaScriptString(format(kScript, {g, g, g, g, g, g, g, g, g, g, g, g, g}));
    return code;
}
